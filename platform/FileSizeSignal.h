#pragma once

// Makes a write past the process's file-size limit fail with an error, which the program
// reports like any other failed write, instead of the signal that ends the program.
void IgnoreFileSizeSignal();
