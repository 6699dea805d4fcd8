#pragma once

// Marks an English text that the windows show translated: the tools that collect the texts for
// translators find it under its context. The engine itself keeps the English.
#define TRANSLATABLE(context, text) text
