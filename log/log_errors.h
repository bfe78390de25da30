#pragma once

#include <stdexcept>
#include <string>

class ELogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ELogOpenError : public ELogError {
public:
    using ELogError::ELogError;
};

class ELogWriteError : public ELogError {
public:
    using ELogError::ELogError;
};

class ELogBackupError : public ELogError {
public:
    using ELogError::ELogError;
};

inline const std::string kInvalidOperation = "Invalid Operation";
inline const std::string kBackupFailed = "Error saving log backup";
