// The program's fixed user-facing texts, keyed by their string-table ids.
#pragma once

#include <string>

namespace qel {

// The string-table ids of the messages, named for what they say. The numbers are the ids the
// texts have always had.
enum class MessageId : int {
  ConfirmCancel = 132,   // data changed: cancel anyway?
  FooterOffPaper = 133,  // the page text may be off the paper (%1 mm)
  CannotAdd = 901,
  TooMuchData = 4001,
  NoData = 4003,
  UnsuitableData = 4005,
  AbnormalValue = 4006,
  NotStandardExtension = 4007,
  FileNotFound = 4008,  // %1 = path
  CannotSave = 4009,
  NegativeData = 4012,
  XNotAscending = 4013,
  NotADataFile = 4014,
  TooManyRows = 4015,
  YNotAscending = 4016,
  CannotRun = 4032,
  UnencodableCharacter = 4101,  // %1 = the character, %2 = its code point
  ReplaceExisting = 4102,       // %1 = path: replace the existing file?
  SaveChanges = 4103,           // %1 = the document's name: save its changes first?
  RefusedCharacter = 4104,      // a character a data file cannot keep in a cell was refused
  // Files that cannot or should not be read whole, and what reading a damaged file found.
  NotRegularFile = 4110,  // %1 = path: a folder, FIFO or device
  FileTooLarge = 4111,    // %1 = path, %2 = the limit in megabytes
  ReadAsUtf8 = 4112,      // %1 = path
  FileEndsEarly = 4113,   // %1 = path
  OverlongLines = 4114,   // %1 = how many lines, %2 = bytes read of each
  // Why a save failed.
  SaveDiskFull = 4115,       // %1 = path
  SaveNotPermitted = 4116,   // %1 = path
  SaveIoError = 4117,        // %1 = path
  SaveFailedBecause = 4118,  // %1 = path, %2 = the system's reason
  SaveNoReader = 4123,       // %1 = path: a pipe that no process reads from
  // The data folder, the figure's extent and images of pages.
  DataFolderUnusable = 4119,  // %1 = the folder, %2 = the folder used instead
  FigureExtentCut = 4120,     // %1 = the largest page count, %2 = x in metres
  ImageTooLarge = 4121,       // %1 = "W x H" pixels, %2 = the limit in pixels
  ImageOutOfMemory = 4122,    // %1 = "W x H" pixels
  NotAnInteger = 4130,
  IntegerOutOfRange = 4131,  // %1 = smallest, %2 = largest
  NotANumber = 4132,
  SectionMarkerInText = 4133,  // "$$" would start a section of the data file
  PrintableWidth = 4134,       // %1 = metres across one page
  PrintableHeight = 4135,      // %1 = metres down one page
  NoDrawingLength = 4136,      // the page holds no whole metre at this scale
  UnencodableInField = 4137,   // %1 = the character, %2 = its code point
  NotAColour = 4138,
  PageOfPages = 4140,          // %1 = the page shown, %2 = the display's pages
  PrintToPdfNoPrinter = 4141,  // the save dialog's title when there is no printer
  PdfSaved = 4142,             // %1 = the path of the file written (a PDF, a CSV file)
  NothingToReport = 4143,
  SaveReportTitle = 4144,
  // Command lines and what is in the way of an output file.
  UnknownOption = 4160,         // %1 = the argument
  SectionMarkerInField = 4161,  // %1 = the field holding "$$"
  ReadNotPermitted = 4162,      // %1 = path
  LinkLoop = 4163,              // %1 = path
  LoadsNotAsTyped = 4164,       // %1 = path, %2 = the rows and why
  PointsNotAsTyped = 4165,      // %1 = path, %2 = the point fields and why
  // The figure options' section of a data file, and the isobars of a figure.
  UnreadFigureLines = 4180,  // %1 = how many lines, %2 = path
  IsobarLevelsCut = 4181,    // %1 = path, %2 = the figures and how many levels they draw
  // What the scale and help commands did with what was asked of them.
  OverlapReset = 4170,      // %1 = the page overlap typed, %2 = the X range
  HelpFileMissing = 4171,   // %1 = the path of the help file
  NoProgramForText = 4172,  // %1 = the path of the file no program could be started for
  // Tables written out of the program.
  OutputIsInput = 4182,   // %1 = path: the output would replace the data file it came from
  SaveTableTitle = 4183,  // %1 = the table's name
  IdleStatus = 57345,
};

// Texts that have no id of their own.
inline constexpr const char* kCannotCreateFontText = "Can't create font";
inline constexpr const char* kDeviceInfoErrorText = "デバイス情報読み込みエラー";

// The text of message `id`; empty for an id without a text.
std::string MessageText(MessageId id);

// The text of message `id` with %1 (and %2) replaced by the arguments.
std::string MessageText(MessageId id, const std::string& arg1, const std::string& arg2 = "");

}  // namespace qel
