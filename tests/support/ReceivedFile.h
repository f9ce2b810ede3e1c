#pragma once

#include "core/Message.h"

#include <QByteArray>

namespace corvane::test {

// A message file as the mail check reads it, around the given Message element.
inline core::ParsedMessageFile receivedFile(const QByteArray &message)
{
    core::ParsedMessageFile file;
    file.loadFromBytes("<Corvane>" + message + "</Corvane>", QStringLiteral("received"));
    return file;
}

} // namespace corvane::test
