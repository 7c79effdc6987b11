// The commands of the page view: zoom and fits, the PDF report and printing of every display,
// and the view's page and zoom in the status bar.
#pragma once

namespace qel {

class CQelApp;

// Connects the view's commands to the menu and tool bar of the application's main window, gives
// the view the profile and the document's path, and shows "ページ n / N" and the zoom in the
// status bar.
void ConnectViewCommands(CQelApp& app);

}  // namespace qel
