#pragma once
// Root of the class tree and the run-time class information of DECLARE_DYNAMIC classes.
#include <windows.h>

class CObject;

struct CRuntimeClass {
    LPCWSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                   // 0xFFFF for classes that are not serialised
    CObject* (*m_pfnCreateObject)();  // NULL: not dynamically creatable
    const CRuntimeClass* m_pBaseClass;

    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// The class's name as a wide string literal.
#define CLASS_NAME_TEXT_(quoted) L##quoted
#define CLASS_NAME_TEXT(class_name) CLASS_NAME_TEXT_(#class_name)

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    const CRuntimeClass class_name::class##class_name = {                                          \
        CLASS_NAME_TEXT(class_name), sizeof(class_name), 0xFFFF, NULL,                             \
        RUNTIME_CLASS(base_class_name)};                                                           \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return RUNTIME_CLASS(class_name);                                                          \
    }

class CObject {
public:
    static const CRuntimeClass classCObject;
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
