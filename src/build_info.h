#pragma once
// What this program is, as the build wrote it down.

// The project's version, "0.1.0".
const char* BuildVersion();
// The git revision it was built from ("1a2b3c4d5e6f", "-modified" appended
// when the checkout had changes); empty when it was built outside a checkout.
const char* BuildRevision();
