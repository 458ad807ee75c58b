// Writes the file it is given once it runs, then sleeps for the given number of seconds.
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::ofstream(argv[1]) << "running\n";
  std::this_thread::sleep_for(std::chrono::seconds(std::stoi(argv[2])));
  return 0;
}
