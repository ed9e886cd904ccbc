#pragma once

// The built-in English texts: key/value pairs back to back. A pair whose key
// is "_GROUP_" opens a group named by its value; "_END_" ends the block.
struct BuiltInString {
    const char16_t* key;
    const char16_t* value;
};

extern const BuiltInString BuiltInStrings[];
// Number of pairs in the array, markers included, so a reader never runs
// past the end even if the "_END_" pair were missing.
extern const int BuiltInStringCount;
