#pragma once
// The one error type of the database and runtime layers. It carries the engine number that the
// program tells apart (3204, 3343, 3011, 3022 ...) and a sentence for the user.

#include <QString>
#include <stdexcept>

namespace db {

namespace err {
constexpr int Engine = 3000;               // anything without a number of its own
constexpr int NoCurrentRecord = 3021;
constexpr int DuplicateKey = 3022;
constexpr int FileNotFound = 3024;
constexpr int ReadOnly = 3027;
constexpr int ObjectNotFound = 3011;
constexpr int CannotOpen = 3051;
constexpr int NullKey = 3058;
constexpr int FieldTooSmall = 3163;
constexpr int RecordDeleted = 3167;
constexpr int RelatedRecordRequired = 3201;
constexpr int ExistsAlready = 3204;
constexpr int Locked = 3260;
constexpr int FieldNotFound = 3265;
constexpr int ZeroLengthString = 3315;
constexpr int NotADatabase = 3343;
constexpr int NumericOverflow = 3349;
constexpr int ObjectClosed = 3420;
constexpr int RequeryFailed = 3426;
constexpr int NotAnIndex = 3800;
constexpr int NotUpdatable = 3251;
// The runtime layer's errors share this type, so one trap tells a cancelled file dialog
// from an existing database or a foreign file by the number alone.
constexpr int PathFileAccess = 75;
constexpr int DialogCancelled = 32755;
}  // namespace err

class DbError : public std::runtime_error {
public:
    DbError(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

}  // namespace db
