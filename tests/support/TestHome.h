#pragma once

#include <string>

namespace BrisTest {

// Points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR at a fresh temporary
// folder for the whole test run, and removes it again when the object goes away.
class TestHome {
public:
  TestHome();
  ~TestHome();
  TestHome(const TestHome&) = delete;
  TestHome& operator=(const TestHome&) = delete;

  const std::string& Path() const { return mPath; }

private:
  std::string mPath;
};

} // namespace BrisTest
