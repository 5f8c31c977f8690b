// brisel-demo-project [FOLDER.prj]: writes a demo project into FOLDER, by default into the
// Documents folder the librarian opens; --print-default-path prints that default and writes
// nothing.
#include "store/CDemoProjectWriter.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
  const std::string argument = argc == 2 ? argv[1] : std::string();
  if (argc > 2 || argument == "--help" || argument == "-h") {
    std::cerr << "usage: brisel-demo-project [FOLDER.prj | --print-default-path]\n"
              << "Writes a demo project into a new folder (by default "
              << Bris::CDemoProjectWriter::DefaultPath()
              << "); an existing folder is never touched.\n";
    return 2;
  }
  if (argument == "--print-default-path") {
    const std::string path = Bris::CDemoProjectWriter::DefaultPath();
    std::cout << path << "\n";
    return path.empty() ? 1 : 0;
  }
  const std::string folder = argc == 2 ? argument : Bris::CDemoProjectWriter::DefaultPath();
  std::string error;
  if (folder.empty() || !Bris::CDemoProjectWriter::Write(folder, error)) {
    std::cerr << "brisel-demo-project: " << (folder.empty() ? "no home folder" : error) << "\n";
    return 1;
  }
  return 0;
}
