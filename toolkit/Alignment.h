// Horizontal alignment of a control's text within its area.
#pragma once

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
