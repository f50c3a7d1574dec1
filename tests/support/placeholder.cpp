// Test fixtures shared by the test binaries.
