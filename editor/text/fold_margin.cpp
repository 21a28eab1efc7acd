// Showing and hiding the fold margin.
#include "fold_margin.h"

#include "edit_control.h"

namespace {
// Margin 0 holds the line numbers; the folding boxes stand right of them.
constexpr int FoldMarginIndex = 2;
}

FoldMargin::FoldMargin(EditControl &control)
    : EditFeature(control)
{
    connect(this, &EditFeature::activeChanged, this, [this](bool active) { active ? start() : stop(); });
}

void FoldMargin::start()
{
    control().setFolding(QsciScintilla::BoxedTreeFoldStyle, FoldMarginIndex);
}

void FoldMargin::stop()
{
    control().setFolding(QsciScintilla::NoFoldStyle, FoldMarginIndex);
}
