#include "framework/CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)
