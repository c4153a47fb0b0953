#pragma once
// Objects with a run-time class record. The record names the class, its REGISTERED base
// and, for dynamically creatable classes, a factory. "Is this object of that class or
// derived from it" follows the registered base, which may differ from the C++ base: a
// class may be registered under a grandparent, or a variant under its own family.
#include "Types.h"

class CObject;
class CArchive;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;  // registered base; nullptr for CObject
    CObject* (*m_pfnCreateObject)();    // nullptr: not dynamically creatable

    // A new object of the class (owned by the caller), or nullptr when not creatable.
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDynamicallyCreatable() const { return m_pfnCreateObject != nullptr; }
    // True for the class itself and every class that it is registered under, transitively.
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    BOOL IsKindOf(const CRuntimeClass* target) const { return GetRuntimeClass()->IsDerivedFrom(target); }
    virtual void Serialize(CArchive&) {}

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In the class body (leaves the following members public).
#define DECLARE_DYNAMIC(class_name)                          \
public:                                                      \
    static const CRuntimeClass class##class_name;            \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

// In one source file; `registered_base` is the class the record names as base.
#define IMPLEMENT_DYNAMIC(class_name, registered_base)                                       \
    const CRuntimeClass class_name::class##class_name{#class_name, RUNTIME_CLASS(registered_base), \
                                                      nullptr};                              \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &class##class_name; }

#define IMPLEMENT_DYNCREATE(class_name, registered_base)                                     \
    CObject* class_name::CreateObject() { return new class_name; }                           \
    const CRuntimeClass class_name::class##class_name{#class_name, RUNTIME_CLASS(registered_base), \
                                                      &class_name::CreateObject};            \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &class##class_name; }
