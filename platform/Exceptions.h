// The exceptions the platform layer raises: a bad array index and a drawing resource that could
// not be created.
#pragma once

#include <exception>

class CException : public std::exception {
  public:
    const char* what() const noexcept override { return "CException"; }
};

class CInvalidArgException : public CException {
  public:
    const char* what() const noexcept override { return "Invalid argument"; }
};

class CResourceException : public CException {
  public:
    const char* what() const noexcept override { return "Resource could not be created"; }
};
