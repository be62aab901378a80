#pragma once

#include "language/language_texts.h"

class QWidget;

// Sets the captions, list items and tool tips of `language` on the window widgets under
// `root`, found by their layout names. List items are replaced in place, so a list keeps
// its item count and selection. Nothing else changes: no value, no selection.
void applyWidgetTexts(QWidget* root, Language language);

// The two language routines: every widget text and every later message in one language.
void ApplyHungarianTexts(QWidget* root, LanguageTexts& texts);
void ApplyEnglishTexts(QWidget* root, LanguageTexts& texts);
