#pragma once

#include <QString>
#include <exception>

// The few kinds of error that the program lets propagate. Each carries the
// text that an error box shows; catchers report Message() and go on.
class EError : public std::exception
{
public:
    explicit EError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// A text that is not the number it should be.
class EConvertError : public EError
{
public:
    using EError::EError;
};

// A result that does not fit the 32-bit integers of the accounting.
class EOverflow : public EError
{
public:
    using EError::EError;
};

// An index outside a list or table.
class ERangeError : public EError
{
public:
    using EError::EError;
};
