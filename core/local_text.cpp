#include "core/local_text.h"

LocalText LocalText::entry(MessageId entry, std::vector<LocalText> values) {
    LocalText text;
    text.m_entry = entry;
    text.m_values = std::move(values);
    return text;
}
