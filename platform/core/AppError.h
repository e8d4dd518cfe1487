#pragma once

#include <QString>
#include <stdexcept>

namespace hestova {

// An error raised at a call: a number and a description, as the operator sees them in the "错误" box.
class AppError : public std::runtime_error {
public:
    AppError(int number, const QString &description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }

    // "number：  description", the text of the "错误" box.
    QString boxText() const;

private:
    int m_number;
    QString m_description;
};

// Error numbers of the program's own errors (the driver's errors carry the driver's native number).
namespace ErrorNumber {
constexpr int DataSource = 3000;       // data source could not be registered
constexpr int Connection = 3001;       // connection could not be opened
constexpr int Statement = 3002;        // statement failed without a native number
constexpr int DatabaseLocked = 3218;   // database in use by another program beyond the busy timeout
constexpr int FieldMissing = 3265;     // field not found by name or position
constexpr int NoCurrentRecord = 3021;  // recordset at EOF/BOF
constexpr int FileMissing = 53;        // file not found
constexpr int PathNotFound = 76;       // path cannot be used
constexpr int BadFileFormat = 321;     // file format not valid
constexpr int TypeMismatch = 13;       // value cannot be converted
constexpr int Overflow = 6;            // number out of range
constexpr int InvalidArgument = 5;     // invalid procedure call or argument
constexpr int Printing = 482;          // printer error
constexpr int SubscriptOutOfRange = 9;  // index outside the valid range
constexpr int InvalidUseOfNull = 94;    // a Null where a value is needed
constexpr int ObjectNotSet = 91;        // object variable not set
constexpr int InternalError = 51;       // an error that is not the program's own
constexpr int InvalidValue = 380;       // invalid property value
constexpr int ObjectRequired = 424;     // object required
constexpr int CannotCreateObject = 429; // control library cannot create the object
constexpr int NotSupported = 438;       // object does not support the member
constexpr int KeyInUse = 457;           // key already associated with an element
constexpr int InvalidPicture = 481;     // invalid picture
constexpr int ObjectClosed = 3704;      // operation not allowed while the object is closed
constexpr int IndexOutOfBounds = 35600; // image list index out of bounds
constexpr int ElementNotFound = 35601;  // image list element not found
constexpr int KeyNotUnique = 35602;     // image list key not unique
}  // namespace ErrorNumber

// The system's description of an errno value, for the descriptions of errors.
QString systemErrorText(int error);

}  // namespace hestova
