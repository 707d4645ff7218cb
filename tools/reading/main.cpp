// Writes docs/reading.md to standard output, or to the file its one argument names.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "reading_document.h"

int main(int argc, char** argv) {
  const std::string document = veltrane::reading::ReadingDocument();
  if (argc < 2) {
    std::cout << document;
    return std::cout ? 0 : 1;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << document;
  if (!file) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
