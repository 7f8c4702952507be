#pragma once

#include <QString>

/* the remark for a touch; 1 <= draw <= 10 */
QString touchRemark(int draw, int sei);
