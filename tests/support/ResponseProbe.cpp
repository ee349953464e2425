#include "tests/support/ResponseProbe.h"

#include <algorithm>

ResponseProbe::ResponseProbe(HWND hWnd, std::function<void()> meanwhile)
    : m_thread([this, hWnd, meanwhile] {
          DWORD sent = 0;
          for (bool first = true; !m_stop; first = false) {
              if (meanwhile) meanwhile();
              if (!first && ::GetTickCount() - sent < 50) {
                  ::Sleep(meanwhile ? 5 : 10);
                  continue;
              }
              LARGE_INTEGER frequency, start, end;
              ::QueryPerformanceFrequency(&frequency);
              ::QueryPerformanceCounter(&start);
              DWORD_PTR answer = 0;
              ::SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
              ::QueryPerformanceCounter(&end);
              const double seconds =
                  static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
              m_longest = std::max(m_longest, seconds);
              m_total += seconds;
              ++m_count;
              sent = ::GetTickCount();
          }
          m_done = true;
      })
{
}

ResponseProbe::~ResponseProbe()
{
    if (m_thread.joinable()) Stop();
}

void ResponseProbe::Stop()
{
    m_stop = true;
    while (!m_done) {
        MSG msg;
        while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(1);
    }
    m_thread.join();
}
