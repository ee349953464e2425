// Texts shown in more than one place or naming a fixed element of the window.
// Built once during static initialisation and never changed.
#pragma once

#include "framework/CString.h"

extern const CString g_strTitle;
extern const CString g_strCopyrightCn;
extern const CString g_strCopyrightEn;
extern const CString g_strAuthor;
extern const CString g_strContact;
extern const CString g_strDragHint;
extern const CString g_strOk;
extern const CString g_strFail;
extern const CString g_strWarning;
extern const CString g_strCaption;
extern const CString g_strKeywordEmpty;
extern const CString g_strKeywordIllegal;
extern const CString g_strColOperation;
extern const CString g_strColObject;
