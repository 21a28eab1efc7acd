// The channel's frame reader against a reference reader written from the frame format: the
// same commands in the same order, each answered once, and a refused frame closes the connection.
#include "fuzz_support.h"
#include "module_channel.h"
#include "send_command.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QLocalSocket>
#include <QtEndian>

#include <unistd.h>

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, nothing cut off.
bool validUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        int more = 0;
        uint32_t value = 0;
        if (c < 0x80) {
            ++p;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            value = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (p[i] & 0x3F);
        }
        if ((more == 2 && value < 0x800) || (more == 3 && (value < 0x10000 || value > 0x10FFFF))
            || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

// What the editor must make of one connection's bytes.
struct Expected
{
    QStringList commands;
    bool refused = false;     // a frame too large or not UTF-8: the connection is closed
    bool cutOff = false;      // bytes of an unfinished frame are left over
};

Expected referenceRead(const QByteArray &bytes)
{
    Expected expected;
    qsizetype at = 0;
    while (bytes.size() - at >= 4) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        if (length > maxCommandBytes) {
            expected.refused = true;
            return expected;
        }
        if (bytes.size() - at - 4 < qsizetype(length))
            break;
        const QByteArray payload = bytes.mid(at + 4, length);
        if (!validUtf8(payload)) {
            expected.refused = true;
            return expected;
        }
        // The payload is the text as it is: a leading byte-order mark is a character of it.
        const bool mark = payload.startsWith("\xEF\xBB\xBF");
        expected.commands.append((mark ? QString(QChar(0xFEFF)) : QString()) + QString::fromUtf8(payload.mid(mark ? 3 : 0)));
        at += 4 + length;
    }
    expected.cutOff = at < bytes.size();
    return expected;
}

struct Channel
{
    ModuleChannel channel;
    QStringList received;
    QStringList refusals;

    Channel()
    {
        FUZZ_CHECK(channel.startListening(qint32(::getpid())));
        QObject::connect(&channel, &ModuleChannel::commandReceived, &channel,
                         [this](const QString &text) { received.append(text); });
        QObject::connect(&channel, &ModuleChannel::frameRefused, &channel,
                         [this](const QString &text) { refusals.append(text); });
    }
};

// Runs the event loop until done() holds; a channel that never gets there is a finding too.
template<typename Done>
void waitUntil(Done done)
{
    QDeadlineTimer deadline(10000);
    while (!done()) {
        FUZZ_CHECK(!deadline.hasExpired());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Channel *channel = new Channel;
    channel->received.clear();
    channel->refusals.clear();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Expected expected = referenceRead(bytes);

    QLocalSocket module;
    module.connectToServer(channel->channel.path());
    FUZZ_CHECK(module.waitForConnected(5000));
    module.write(bytes);
    QByteArray answers;
    const QByteArray answer = channelFrame(handledAnswer());
    waitUntil([&] {
        answers += module.readAll();
        if (expected.refused)
            return module.state() == QLocalSocket::UnconnectedState && channel->refusals.size() == 1;
        return answers.size() >= expected.commands.size() * answer.size();
    });
    if (channel->received != expected.commands)
        qWarning() << "received" << channel->received << "expected" << expected.commands;
    FUZZ_CHECK(channel->received == expected.commands);
    FUZZ_CHECK(answers == answer.repeated(expected.commands.size()));
    if (!expected.refused) {
        // Closing with part of a frame sent is told once; closing between frames says nothing.
        module.disconnectFromServer();
        if (expected.cutOff)
            waitUntil([&] { return channel->refusals.size() == 1; });
        FUZZ_CHECK(channel->refusals.size() == (expected.cutOff ? 1 : 0));
    }
    return 0;
}
