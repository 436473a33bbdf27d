#pragma once

#include "hooks/callbackregistry.h"

#include <QString>

#include <optional>

// Another program can send the window a text to show. Only notices with this
// tag count.
constexpr quintptr kNoticeTag = 0x250F;

// The notice's text, up to its first NUL and never past its byte count, when
// the tag is ours and the byte count is exactly the text's UTF-8 length.
std::optional<QString> noticeText(const CopyDataRecord &record);

// The message slot's function, with the window as context: a warning box
// captioned with the window's title. Does nothing without a window.
void showCopyDataNotice(const CopyDataRecord &record, void *window);
