#include "dialog/UiTexts.h"

// Defined in one translation unit, in this order, so they are built in this order.
const CString g_strTitle(L"Varnel V1.0");
const CString g_strCopyrightCn(L"版权所有 (C) Varnel 开发者，保留所有权利。");
const CString g_strCopyrightEn(L"Copyright (C) Varnel developers. All rights reserved.");
const CString g_strAuthor(L"开发：Varnel 项目开发者");
const CString g_strContact(L"联系：请访问 Varnel 项目主页");
const CString g_strDragHint(L"支持目录拖曳");
const CString g_strOk(L"√");
const CString g_strFail(L"×");
const CString g_strWarning(L"温馨提示：当选中删除目录时同时会删除该目录下的所有文件，目前版本暂不支"
                           L"持从回收站恢复，请谨慎使用！");
const CString g_strCaption(L"提示");
const CString g_strKeywordEmpty(L"关键字不能为空，请输入关键字!");
const CString g_strKeywordIllegal(L"关键字包含非法字符，请重新输入!");
const CString g_strColOperation(L"操作");
const CString g_strColObject(L"操作对象");
