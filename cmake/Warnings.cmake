# Every target of ours compiles warning-clean with these.
add_library(brindlecog_warnings INTERFACE)
target_compile_options(brindlecog_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers)
