#pragma once

// Backs the large image buffers with transparent huge pages, which cuts the
// page faults of a conversion by about a factor of ten. glibc reads this
// setting only at process start, so the first call re-executes the program
// once with it set; it returns normally when it is already in force or the
// re-execution is not possible.
void UseHugePagesForImageBuffers(char** argv);
