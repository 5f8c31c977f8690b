// brisel-demo-project FOLDER: writes a demo project into FOLDER (a new folder ending in ".prj").
#include "store/CDemoProjectWriter.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: brisel-demo-project FOLDER.prj\n"
              << "Writes a demo project into a new folder; an existing folder is never touched.\n";
    return 2;
  }
  std::string error;
  if (!Bris::CDemoProjectWriter::Write(argv[1], error)) {
    std::cerr << "brisel-demo-project: " << error << "\n";
    return 1;
  }
  return 0;
}
