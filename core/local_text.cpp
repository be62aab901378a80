#include "core/local_text.h"

LocalText LocalText::entry(const char* name, std::vector<LocalText> values) {
    LocalText text;
    text.m_entry = name;
    text.m_values = std::move(values);
    return text;
}
