#pragma once

class QString;
class QWidget;

// What becomes of edits not yet stored when their window closes.
enum class KeepEdits { Keep, Discard, Cancel };

// Asks the user over `window`: Keep is the default; Escape, as in every message box with a
// Cancel button, cancels.
KeepEdits askToKeepEdits(QWidget* window, const QString& question);
