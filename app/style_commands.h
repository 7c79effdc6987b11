// The title/style and page commands of the two load menus: they edit the document's setting
// lines of one problem (the modified mark follows what a save writes).
#pragma once

#include "document/document_tables.h"

namespace qel {

class CQelApp;

// "タイトル・様式": titles, title positions, figure grid and calculation trace of `problem`.
void OnTitleStyle(CQelApp& app, Problem problem);
// "等圧線": whether `problem`'s figure draws its isobars, their levels and the plan's depth.
void OnIsobars(CQelApp& app, Problem problem);
// "ページ": the page-number texts of `problem`'s displays and their place on the paper.
void OnPage(CQelApp& app, Problem problem);

}  // namespace qel
