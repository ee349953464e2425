#include "dialog/UiTexts.h"

// Defined in one translation unit, in this order, so they are built in this order.
const CString g_strTitle("Varnel V1.0");
const CString g_strCopyrightCn("版权所有 (C) Varnel 开发者，保留所有权利。");
const CString g_strCopyrightEn("Copyright (C) Varnel developers. All rights reserved.");
const CString g_strAuthor("开发：Varnel 项目开发者");
const CString g_strContact("联系：请访问 Varnel 项目主页");
const CString g_strDragHint("支持目录拖曳");
const CString g_strOk("√");
const CString g_strFail("×");
const CString g_strWarning("温馨提示：当选中删除目录时同时会删除该目录下的所有文件，目前版本暂不支"
                           "持从回收站恢复，请谨慎使用！");
const CString g_strCaption("提示");
const CString g_strKeywordEmpty("关键字不能为空，请输入关键字!");
const CString g_strKeywordIllegal("关键字包含非法字符，请重新输入!");
const CString g_strColOperation("操作");
const CString g_strColObject("操作对象");
