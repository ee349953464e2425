#pragma once
// How long a window keeps a user waiting: another thread sends it WM_NULL every 50 ms and
// notes how long each answer takes, until stopped.

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

class ResponseProbe {
public:
    // meanwhile, when given, is called on the probe's thread about every 5 ms between sends.
    explicit ResponseProbe(HWND hWnd, std::function<void()> meanwhile = nullptr);
    ~ResponseProbe();
    // Handles this thread's messages until the probe has its last answer: the probe may be
    // waiting for it.
    void Stop();
    double Longest() const { return m_longest; }  // seconds
    double Mean() const { return m_count ? m_total / m_count : 0; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    double m_longest = 0, m_total = 0;
    long long m_count = 0;
    std::thread m_thread;
};
