#ifndef OUTPUT_H
#define OUTPUT_H

#include <QByteArray>

// Standard output, buffered, with every write checked: a closed pipe (`| head`) and a full disk
// (`> /dev/full`) must be told apart from success, and from each other.
class Output
{
public:
    explicit Output(int fd);

    QByteArray &buffer() { return pending; }
    // Writes what is pending once there is a good amount of it, or always when `now`.
    bool flush(bool now = true);
    bool failed() const { return error != 0; }
    bool closedByReader() const;
    int errorCode() const { return error; }
    bool isTerminal() const { return terminal; }

private:
    int fd;
    bool terminal;
    int error = 0;
    QByteArray pending;
};

#endif // OUTPUT_H
