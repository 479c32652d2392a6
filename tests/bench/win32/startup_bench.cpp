// Times a program from its start to its first complete frame: the moment the screen shows the
// expected colour at the window's centre. Run under Wine on a display, it compares the player
// (a copy of Quorvane.exe as AutoRun.exe beside a one-colour menu) with a bare Win32 window
// that paints the same colour, and prints both medians and their ratio.
//
//   startup_bench.exe PLAYER_EXE BARE_EXE [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kExpected = RGB(0, 128, 0);
// The screen's centre: the centre of a 600 x 420 window centred on it (set in main).
POINT probe_point{512, 384};
constexpr DWORD kTimeoutMs = 20000;

// Milliseconds from process creation to the expected pixel on screen; negative on time-out.
double TimeToFirstFrame(const std::string& exe) {
  LARGE_INTEGER frequency, start, now;
  ::QueryPerformanceFrequency(&frequency);
  HDC screen = ::GetDC(nullptr);
  // The probe point must not show the colour before the program does.
  if (::GetPixel(screen, probe_point.x, probe_point.y) == kExpected) {
    ::ReleaseDC(nullptr, screen);
    return -2;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + exe + "\"";
  ::QueryPerformanceCounter(&start);
  if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    ::ReleaseDC(nullptr, screen);
    return -1;
  }
  double elapsed = -1;
  for (;;) {
    ::QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    if (::GetPixel(screen, probe_point.x, probe_point.y) == kExpected) {
      elapsed = ms;
      break;
    }
    if (ms > kTimeoutMs) break;
    ::Sleep(1);
  }
  ::ReleaseDC(nullptr, screen);
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 5000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  ::Sleep(300);  // let the screen clear before the next run
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench PLAYER_EXE BARE_EXE [RUNS]\n");
    return 2;
  }
  // Screen pixels as they are, also on a screen above 96 DPI.
  ::SetProcessDPIAware();
  probe_point = {::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2};
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  std::vector<double> player, bare;
  for (int i = 0; i < runs; ++i) {
    const double p = TimeToFirstFrame(argv[1]);
    const double b = TimeToFirstFrame(argv[2]);
    if (p < 0 || b < 0) {
      std::fprintf(stderr, "run %d failed (player %.0f, bare %.0f)\n", i, p, b);
      return 1;
    }
    player.push_back(p);
    bare.push_back(b);
  }
  const double mp = Median(player);
  const double mb = Median(bare);
  std::printf("player start to first frame: %.1f ms (median of %d)\n", mp, runs);
  std::printf("bare window start to first frame: %.1f ms (median of %d)\n", mb, runs);
  std::printf("ratio player / bare: %.2f\n", mp / mb);
  return 0;
}
