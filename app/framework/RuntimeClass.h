// Run-time class information and dynamic creation: a class names itself with a static
// kClassName; RuntimeClassOf<T, Base>() gives its descriptor, which creates objects of T as Base.
#pragma once

template <class Base>
struct CRuntimeClass {
    const char* m_lpszClassName;
    Base* (*m_pfnCreateObject)();  // null without dynamic creation
    Base* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

template <class T, class Base>
const CRuntimeClass<Base>* RuntimeClassOf() {
    static const CRuntimeClass<Base> rc{T::kClassName, []() -> Base* { return new T; }};
    return &rc;
}
