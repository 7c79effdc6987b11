// The ids of the menu and tool bar commands, named for what they do. The numbers are the ids
// the commands have always had.
#pragma once

namespace qel {

enum class CommandId : int {
  // File menu.
  FileNew = 57600,
  FileOpen = 57601,
  FileSave = 57603,
  FileSaveAs = 57604,
  FilePrintSetup = 57606,
  FilePrint = 57607,
  FilePrintPreview = 57609,
  FileRecentFirst = 57616,  // 57616 .. 57621: the recent files
  AppExit = 57665,
  // Strip-load menu.
  StripTitleStyle = 32794,
  StripLoad1 = 32771,
  StripLoad2 = 32772,
  StripPoints = 32774,
  StripPage = 32799,
  // Rectangle/circle menu.
  RectTitleStyle = 32795,
  RectLoads = 32775,
  CircleLoads = 32776,
  LatticePoints = 32777,
  RectPage = 32800,
  // View menu.
  ViewToolBar = 59392,
  ViewStatusBar = 59393,
  ShowStripFigure = 32785,
  ShowRectCircleFigure = 32786,
  ShowStripData = 32789,
  ShowStripResults = 32790,
  ShowRectCircleData = 32791,
  ShowRectCircleResults = 32792,
  ShowStripDepth = 32819,
  ShowRectCircleSection = 32820,
  // The settlement displays: one command each for both problems.
  ShowSettlementTable = 32826,
  ShowSettlementMap = 32827,
  ShowSettlementTime = 32828,
  ShowSoilConditions = 32829,  // the soil profile as entered, for both problems
  ShowSettlementPlates = 32830,
  // Settings menu.
  StripScale = 32778,
  RectScale = 32788,
  LineMarginDigits = 32779,
  StripStandardValues = 32801,
  RectStandardValues = 32802,
  FontTitle = 32780,
  FontStrip = 32781,
  FontRectCircle = 32782,
  FontPage = 32784,
  KeyBehaviour = 32803,
  // Help menu.
  AppAbout = 57664,
  Help = 57670,
  // Zoom of the page view (view menu and tool bar).
  ZoomIn = 32810,
  ZoomOut = 32811,
  ZoomActualSize = 32812,  // the printed size, 100 %
  ZoomFitPage = 32813,
  ZoomFitWidth = 32814,
  // Every display with content: into one PDF file, or to the printer (file menu).
  FileSaveReport = 32815,
  FilePrintAll = 32816,
  // The isobars of each problem's figure (the strip-load and rectangle/circle menus).
  StripIsobars = 32817,
  RectIsobars = 32818,
  // The tool bar's figure, data, results and depth buttons.
  ToolbarFigure = 8001,
  ToolbarData = 8002,
  ToolbarResults = 8003,
  ToolbarDepth = 8004,
  ToolbarSettlementTable = 8005,
  ToolbarSettlementMap = 8006,
  ToolbarSettlementTime = 8007,
  ToolbarSoilConditions = 8008,
  // A table to a CSV file (file menu), and to the clipboard (edit menu).
  FileSaveTableCsv = 32821,
  EditCopy = 57634,
  // The soil menu: the layers, the e-log p curves, the water table, slices and times, the
  // construction stages and consolidation rules, and the vertical drains.
  SoilLayers = 32822,
  SoilCurves = 32823,
  SoilConditions = 32824,
  SoilStages = 32841,
  SoilDrains = 32842,
  // The settlement plates' readings and the fits asked of them.
  SoilPlates = 32840,
  // The undo history of the document (edit menu).
  EditUndo = 57643,
  EditRedo = 57644,
};

}  // namespace qel
