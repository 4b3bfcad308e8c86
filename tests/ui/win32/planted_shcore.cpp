// A library named like the system's shcore.dll, as someone might plant beside the program or on
// PATH: its GetDpiForMonitor reports 333 dpi, which no real monitor setting gives.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT
    __stdcall GetDpiForMonitor(HMONITOR, int, UINT* dpiX, UINT* dpiY) {
  *dpiX = 333;
  *dpiY = 333;
  return S_OK;
}
