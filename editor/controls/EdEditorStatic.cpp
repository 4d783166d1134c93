#include "EdEditorStatic.h"

CEdEditorStatic::CEdEditorStatic(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CEdEditorStatic::paintEvent(QPaintEvent*)
{
}
