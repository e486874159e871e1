#include <iostream>

int main() {
  std::cerr << "velmora-cli: no command\n";
  return 2;
}
