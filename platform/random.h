#pragma once

// A pseudo-random integer drawn uniformly from low..high (both included).
int RandomInt(int low, int high);
