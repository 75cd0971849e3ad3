#pragma once
// The main window: the channel grid and the commands that work on it. The
// class is split over several source files by concern (grid and row commands,
// channel rules, file commands, menus, ...); this header declares all of it.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class MSComm;
class MSFlexGrid;
class QAction;
class QCheckBox;
class QCloseEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QResizeEvent;
class QToolBar;
class VbComboBox;
class VbTextBox;
struct FileResult;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // ---- channel grid and row operations (Form1Grid.cpp) -------------------
  // Rebuilds the empty grid: 451 rows by 10 columns, headers, widths, the
  // columns hidden by the "Visible" settings, row labels. Touches neither the
  // image, the comments nor SelStartRow/SelEndRow.
  void initgrid();
  // One more than the last of rows 1 to 399 whose Freq cell is not empty; 1
  // when there is none. Always a memory-channel row (1 to 400).
  int GetLastEmptyRow();
  // The last row shown in the grid's window, counting from TopRow.
  int GetHighestVisibleRow();
  // Takes the undo snapshot, then SelStartRow/SelEndRow from Row and RowSel.
  void SetSelection();
  // The same without the snapshot.
  void SetSelectionB();
  // True when the selected columns run exactly from 1 to the last column.
  bool IsRowSelected();
  // True when the row's Mode cell is not blank.
  bool IsRowUsed(int row);
  // Hides the cell editors, takes the selection and widens it to whole rows.
  void HighlightRow();
  // Inserts as many blank rows as are selected, at the selection.
  void InsertBlank();
  // Inserts NumRows blank rows at SelStartRow within rows 1 to 400 (0 means
  // the selection's size; NumRows then receives it). False when nothing was
  // inserted because the user declined the loss warning (the grid is then as
  // it was) or the selection starts in the header row.
  bool InsertRows(int& NumRows);
  // Deletes row RowNum, or the selected rows when it is 0, moving the later
  // rows up to row 400.
  void DeleteRows(int RowNum);
  // The row buttons: move down, move up, delete, clear, insert blank.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command7_Click();
  void Command8_Click();
  // Undo snapshot of the grid's data cells, and its write-back (Edit > Undo).
  void SaveUndo();
  void Undo();

  // First and last row of the selection, as last taken by SetSelection(B).
  std::int16_t SelStartRow = 0;
  std::int16_t SelEndRow = 0;
  // "&Insert Fills Empty Rows" is checked: InsertRows first closes the gap
  // below the next block of used rows, so the rows after it keep their place.
  bool InsertFillsOn = false;
  // ---- end of channel grid and row operations -----------------------------

  // ---- channel field rules (ChannelRules.cpp) ----------------------------
  // The grid's frequency text for a typed, read or imported frequency/offset.
  std::string frqFilter(std::string_view text) const;
  // Writes the default cells into columns 2 to 8 of the row.
  void ApplyDefaults(int row);
  // Sets the row's Mode from its Freq cell.
  void ApplyAutoMode(int row);
  // Sets the row's Shift (and, in a repeater band, RPT SH) from its Freq cell.
  void ApplyAutoShift(int row);
  // ---- end of channel field rules -----------------------------------------

  // ---- shell: start-up, settings, files, menus, GUI states ----------------
  // Start-up and shut-down (Form1Startup.cpp). The constructor builds the
  // window without showing it; Main then runs Form_Load and shows it.
  void Form_Load();
  // Runs when the window closes; Cancel = true keeps it open.
  void Form_Unload(bool& Cancel);
  void LoadSettings();
  void SaveSettings();
  void LoadMRU();
  void AddToMRU(const std::string& fpath);

  // Image binding and file commands (Form1Files.cpp).
  void FillGrid();
  void Savegrid();
  void mnuOpen_Click();
  void mnuMRU_Click(int Index);
  void mnuSaveOnly_Click();
  void mnuSave_Click();
  // The unsaved-changes question that guards every command replacing the
  // image: stores the grid, asks when the image changed, saves on Yes.
  // False means the command is abandoned.
  bool QuerySaveChanges();
  // Path of the image file last opened or saved ("" before any); native UTF-8.
  std::string CurrentFile;
  // Set when Save As was cancelled or a save failed; see QuerySaveChanges.
  bool SaveCancelled = false;

  // Menus, toolbar and layout (Form1Menus.cpp).
  void Form_Resize();
  void Toolbar1_ButtonClick(int button);
  void mnuButtons_Click();
  void mnuAutoShift_Click();
  void mnuAutoMode_Click();
  void mnuInsertFills_Click();
  void mnuSingleClick_Click();
  void mnuNoComments_Click();
  void mnuUse9K_Click();
  void mnuScanEdge_Click();
  void mnuabout_Click();
  void mnuexit_Click();
  // Toolbar button 1 to 19 (separators included); nullptr for other numbers.
  QAction* Toolbar1Button(int button) const;
  // The window state as stored: 0 normal, 1 minimised, 2 maximised.
  int WindowStateCode() const;
  // Hides the in-place cell editors (and so ends an edit in progress).
  void HideEditors();

  // GUI states (Form1GuiStates.cpp).
  void InitGUI();
  void EnableGUI();
  void DisableGUI();

  // Alternate single-channel panel (Form1AltPanel.cpp).
  void LoadAltGUI();
  void LoadAlt();
  void SaveAlt();
  // While the panel is shown: its edits, which live in its controls until
  // stored, into the grid (SaveAlt), a box still being typed in taken as
  // leaving it takes it. For the commands that save or send the image or ask
  // whether it changed; the imports store the grid without it.
  void StoreAltPanel();
  void mnuAltInterface_Click();
  void mnuBank_Click(int bank);  // Go To > Bank 0 to Bank 7

  // Menu bar, in menu order. Separators are actions too, so that the hidden
  // ones can be named.
  QMenu* mnuFile = nullptr;
  QAction *mnuOpen = nullptr, *mnuSaveOnly = nullptr, *mnuSave = nullptr, *mnusep1 = nullptr;
  QAction *mnuImport = nullptr, *mnuExportWizard = nullptr, *mnuExport = nullptr,
          *mnuExportCSV2 = nullptr, *mnusep3 = nullptr;
  QAction *mnuImportTPE = nullptr, *mnuImportICQ7 = nullptr, *mnuImportVX2 = nullptr,
          *mnuImportEve = nullptr, *mnuImportVX7 = nullptr, *mnuImportVR120 = nullptr;
  QAction *mnuSep2 = nullptr, *mnuFreqImportTool = nullptr, *mnusep1a = nullptr,
          *mnuPrint = nullptr, *mnusep5 = nullptr, *mnuexit = nullptr, *mnuMRUSep = nullptr;
  std::array<QAction*, 5> mnuMRU{};
  QMenu* mnuEdit = nullptr;
  QAction *mnuUndo = nullptr, *undosep = nullptr, *mnuCut = nullptr, *mnuCopy = nullptr,
          *mnuPaste = nullptr, *mnuSep23 = nullptr, *mnuInsert = nullptr;
  QMenu* mnuView = nullptr;
  QAction *mnuButtons = nullptr, *mnuVisible = nullptr;
  QMenu* mnuOptions = nullptr;
  QAction *mnuPort = nullptr, *mnusepport = nullptr, *mnuAltInterface = nullptr,
          *mnuAutoShift = nullptr, *mnuAutoMode = nullptr, *mnuInsertFills = nullptr,
          *mnuSingleClick = nullptr, *mnuNoComments = nullptr, *mnusetsep = nullptr,
          *mnuUse9K = nullptr;
  QMenu* mnuMemories = nullptr;
  QAction *mnuFind = nullptr, *mnuDupCheck = nullptr, *mnuCheckBlocked = nullptr,
          *mnusepmem1 = nullptr, *mnuSortAscending = nullptr, *mnuSortDescending = nullptr,
          *mnuSortRowsAscending = nullptr, *mnuSortRowsDeascending = nullptr,
          *mnuInsertSep1 = nullptr, *mnumemsep1 = nullptr, *mnuRemoveEmpty = nullptr,
          *mnuFillSelected = nullptr, *mnusep9 = nullptr, *mnuClearMem = nullptr,
          *mnuPrioritySep = nullptr, *mnuPriority = nullptr;
  QMenu* mnuInsertFreqList = nullptr;
  std::array<QAction*, 10> mnuInsertN{};  // mnuInsert1 to mnuInsert10
  QMenu* mnuGoTo = nullptr;
  std::array<QAction*, 8> mnuBank{};  // mnuBank0 to mnuBank7
  QAction* mnuScanEdge = nullptr;
  QMenu* mnuVX2Settings = nullptr;
  QAction *mnuSetMode = nullptr, *mnuSquelch = nullptr, *mnuUserComments = nullptr;
  QMenu* mnuTransfer = nullptr;
  QAction *mnuTestComms = nullptr, *mnuRead = nullptr, *mnuWrite = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuabout = nullptr;
  // The per-column popup menus; never on the menu bar.
  QMenu *mnu1 = nullptr, *mnu2 = nullptr, *mnu3 = nullptr, *mnu4 = nullptr, *mnu5 = nullptr,
        *mnu6 = nullptr, *mnu7 = nullptr;

  QToolBar* Toolbar1 = nullptr;
  // Row buttons left of the grid: move up, move down, insert blank, delete, clear.
  QPushButton *Command2 = nullptr, *Command1 = nullptr, *Command8 = nullptr, *Command3 = nullptr,
              *Command7 = nullptr;
  // The strip near the bottom edge and its (always empty) label.
  QFrame* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  // The alternate single-channel panel.
  QFrame* Frame2 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildWindow();
  void ConnectCommands();
  void ToggleOption(QAction* item, const char* key);
  // Copies the option check marks into the flags the grid commands read.
  void SyncOptionFlags();
  void SetCaptionWithFile(const std::string& path);
  FileResult ReadImageFile(const std::string& path);
  bool OpenImageFile(const std::string& path, bool addToMRU);
  bool WriteImage(int format, const std::string& path);
  bool RefuseUnloadedSave();
  std::array<QAction*, 19> toolbarButtons_{};

 public:
  // ---- end of shell -------------------------------------------------------

  // ---- radio clone link (src/clone/) --------------------------------------
  // Serial port and handshake (Form1CloneLink.cpp).
  // Sets up the closed port from the "CommPort" setting, "9600,n,8,1", no
  // handshaking, DTR and RTS on, binary input, 30000-byte buffers; a step
  // that fails is shown ("Error n: ...") and set-up goes on.
  void InitPort();
  // Opens the port and sends the model query up to three times until the 39
  // bytes of echo and reply are in. True: port open, the bytes in `reply`,
  // RadioModelID set. False: the user was told why, port closed.
  bool ModelQueryHandshake(std::string& reply);
  // Waits at least `seconds`, letting window events run.
  void pause(double seconds);
  static std::string lHex(long long value);
  // Each byte as two upper-case hex digits and a blank.
  static std::string ParseBytes(std::string_view bytes);
  void mnuTestComms_Click();
  void mnuPort_Click();  // Settings > Port...: the "Comm Port" dialog

  // Download and upload (Form1CloneTransfer.cpp).
  void mnuRead_Click();
  void ReadFromICR2();
  void mnuWrite_Click();
  void WriteToICR2();
  // Show the progress window with the reading/writing text for an input count.
  void UpdateStatus(long long count);
  void UpdateStatusB(long long count);

  // Connects Transfer > Test, Read, Write and Settings > Port (Form1TransferMenu.cpp).
  void ConnectTransferMenu();

  // The serial port to the receiver, made by the first InitPort.
  MSComm* MSComm1 = nullptr;

 private:
  bool transferRunning_ = false;  // a transfer command is waiting on the line

 public:
  // ---- end of radio clone link ---------------------------------------------

  // ---- in-place cell editor and alternate panel ---------------------------
  // In-place cell editor (Form1CellEditors.cpp). CreateCellEditors runs once,
  // from the constructor: it makes TxtGrid and CboGrid over the grid, the
  // alternate panel's controls inside Frame2, and connects their events and
  // the grid's.
  void CreateCellEditors();
  // The grid's events.
  void MSFlexGrid1_Click();
  // Opens the editor of the current cell (also Enter, single click and Tab).
  void MSFlexGrid1_DblClick();
  void MSFlexGrid1_KeyDown(int& KeyCode, int Shift);
  void MSFlexGrid1_KeyPress(int& KeyAscii);
  void MSFlexGrid1_MouseDown(int Button, int Shift, int x, int y);
  void MSFlexGrid1_Scroll();
  // The editors' events.
  void TxtGrid_KeyPress(int& KeyAscii);
  void TxtGrid_Change();
  void TxtGrid_KeyDown(int& KeyCode, int Shift);
  void TxtGrid_GotFocus();
  // Hides the text editor and applies the channel rules to the row whose
  // Freq cell it was opened on.
  void TxtGrid_LostFocus();
  void CboGrid_Change();
  void CboGrid_Click();
  void CboGrid_KeyDown(int& KeyCode, int Shift);
  void CboGrid_LostFocus();

  // The text editor of columns 1, 6 and 9 and the list editor of the others.
  VbTextBox* TxtGrid = nullptr;
  VbComboBox* CboGrid = nullptr;
  // Set only while an opening loads an editor with the cell's text.
  bool SuppressChange = false;
  // The Freq cell the text editor was opened on (0 when it was not a Freq
  // cell), taken when it receives the focus.
  int EditRow = 0;
  int EditCol = 0;

  // Alternate single-channel panel (Form1AltPanel.cpp), besides LoadAltGUI,
  // LoadAlt, SaveAlt, mnuAltInterface_Click and mnuBank_Click above.
  void BuildAltPanel();
  // Blanks the panel's text boxes, label, skip boxes and tone.
  void ClearAlt();
  static std::string ConvertFreq(const std::string& t);
  // "145600" gives "145.600"; "" and "000000" give "0.000".
  static std::string ConvertTXFreq(const std::string& t);
  void Command9_Click();   // "+": store, next row
  void Command10_Click();  // "-": store, previous row
  void Command13_Click();  // "Delete": empty the row
  void Check4_Click();
  void Check5_Click();
  void Text2_KeyPress(int& KeyAscii);
  void Text4_KeyPress(int& KeyAscii);
  void Text5_KeyPress(int& KeyAscii);
  void Text4_LostFocus();
  void Text5_LostFocus();

  VbTextBox *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr;
  QLabel *Label8 = nullptr, *Label12 = nullptr, *Label2 = nullptr, *Label5 = nullptr,
         *Label4 = nullptr, *Label3 = nullptr;
  QGroupBox *Frame5 = nullptr, *Frame3 = nullptr, *Frame6 = nullptr, *Frame4 = nullptr;
  std::array<QRadioButton*, 3> Option1{};  // Mode: AM, FM, WFM
  std::array<QRadioButton*, 3> Option2{};  // Duplex: SIMP, - DUP, +DUP
  std::array<QRadioButton*, 2> Option3{};  // TSQ: OFF, ON
  QCheckBox *Check4 = nullptr, *Check5 = nullptr;
  VbComboBox *Combo7 = nullptr, *Combo3 = nullptr;  // step, tone
  QPushButton *Command9 = nullptr, *Command10 = nullptr, *Command13 = nullptr;

 private:
  void EditorTab(int Shift);
  void PlaceEditor(QWidget& editor, int inset, int shrink);
  // The partner of a scan-edge row (401 with 402 ...), 0 for a bank row.
  static int ScanEdgePartner(int row);
  // A broadcast-band frequency text on the 9 kHz raster, as the image
  // stores it: the channel at or below the frequency.
  static std::string BcbRasterText(std::string_view mhz);
  // The text last typed into the Freq cell of EditRow, for the 9 kHz rule.
  std::string typedFreq_;
  // Set while an opening scrolls its cell into sight: that is no scroll
  // that ends the edit.
  bool openingEditor_ = false;
  // The cell the list editor is open on (row 0: none) and the text it goes
  // back to when the edit ends on typed text that is no entry: what the
  // cell held at the opening, or the entry last chosen from the list.
  int listRow_ = 0;
  int listCol_ = 0;
  std::string listValid_;
  // Ends a list edit: typed text that is none of the entries goes back to
  // that last valid text.
  void EndListEdit();

 public:
  // ---- end of in-place cell editor and alternate panel --------------------

  // ---- cell clipboard, value menus, clean-up commands (src/editing/) -------
  // Connects the Edit menu, the popup value items and the clean-up commands
  // (Form1EditMenu.cpp).
  void ConnectEditMenu();
  // Every command below that changes rows first ends an edit open in the
  // grid, so the editor's leaving rules never run on a row moved under it.

  // Cell clipboard (Form1Clipboard.cpp). The copied cells live in CopyBuffer
  // and in the scratch file "tmp.dat" in the program's folder, which a second
  // running copy started from the same folder pastes as well.
  // Copies the selected block of cells.
  void CellCopy();
  // Copies the selected block, then empties the whole selected rows.
  void CellCut();
  // Pastes the copied rows from the top row of the selection down, into the
  // columns they came from; rows not in use take only rows carrying a Mode.
  void CellPaste();
  // The Edit menu opens: Cut, Copy and Paste are offered only while the
  // selection lies below the header row.
  void mnuEdit_Click();
  // "&Insert Copied Cells" / "&Insert Cut Rows": opens as many blank rows as
  // were copied at the selection and pastes into them.
  void mnuInsert_Click();

  // Popup value menus and auto-fill comments (Form1ValueMenus.cpp).
  // Writes `value` into column `col` of every selected row in use.
  void SetColumnValue(int col, const std::string& value);
  // Numbers the comments of the selected rows in use on from the comment of
  // the row above the selection ("Rptr 9" gives "Rptr 10", "Rptr 11" ...).
  void IncrementTags();

  // Blocked frequencies, clear all, remove empty rows (Form1CleanUp.cpp).
  // True for a frequency text inside the US cellular bands: above 823.995
  // and below 849 MHz, or above 868.995 and below 894 MHz.
  static bool IsBlocked(const std::string& Freq);
  // Asks, for each blocked channel, whether to delete it.
  void mnuCheckBlocked_Click();
  // Empties all 450 channels in the grid and the image, after a question.
  void mnuClearMem_Click();
  // Closes the gaps between the used channels of rows 1 to 400.
  void mnuRemoveEmpty_Click();
  // Empties columns 1 to 9 of one row.
  void ClearRow(int iRow);

  // Fill selected (Form1FillSelected.cpp, dialog frmFillSelected).
  void mnuFillSelected_Click();
  // Fills the selected rows with StartFreq, StartFreq + Increment, ... (each
  // kept within 0.495 to 1599.995 MHz), the defaults and the automatic mode
  // and shift. StartFreq carries the running value as text.
  void FillSelected(std::string& StartFreq, std::string& Increment);

 private:
  // After a command changed rows, an open alternate panel shows its row
  // anew, so its next store cannot write old values over the change.
  void RefreshAltPanel();
  // Rebuilds CopyBuffer from "tmp.dat" unless the last copy could not write
  // the file; the number of rows it then holds, or 0 (with a message) when
  // the file is too large to be one a copy wrote.
  int LoadCopyBuffer();
  // Pastes at most `maxRows` buffer rows; the rest of CellPaste.
  void PasteBuffer(int maxRows);
  // The last copy or cut could not write "tmp.dat" (a read-only program
  // folder): paste from memory, never from an older file.
  bool pasteFromMemory_ = false;

 public:
  // ---- end of cell clipboard, value menus, clean-up commands --------------

  // ---- sorts, duplicates, find, columns, frequency lists (src/editing/) ----
  // Connects the Memories menu's sorts, checks, find and lists, and View >
  // Visible Columns (Form1MemoryTools.cpp).
  void ConnectMemoryTools();

  // Sorts by frequency (Form1Sorts.cpp). Each menu command is one Undo and
  // refreshes the alternate panel.
  void mnuSortAscending_Click();
  void mnuSortDescending_Click();
  void mnuSortRowsAscending_Click();
  void mnuSortRowsDeascending_Click();
  // Rows 1 to 400 ascending / descending, and the selected rows. Each shows
  // the progress window; false when the user cancelled (the grid as it was).
  bool BubbleSort();
  bool BubbleSortB();
  bool BubbleSortSelected();
  bool BubbleSortSelectedB();

  // Duplicate-frequency check (Form1DupCheck.cpp): the options dialog, then
  // the check of rows 1 to 400 that lists duplicates in the report window or
  // deletes them.
  void mnuDupCheck_Click();
  void CheckDups(bool NoCode, bool NoText, bool Delete);
  // The report window while it is open, else nullptr (a frmDupReport).
  QWidget* DupReportWindow() const;

  // Find, and View > Visible Columns (Form1MemoryTools.cpp).
  void mnuFind_Click();
  void mnuVisible_Click();
  // Shows or hides grid columns 1 to 9 by the "Visible" settings.
  void ApplyVisibleColumns();

  // Frequency lists from the "CSV" folder (Form1FreqLists.cpp).
  void mnuMemories_Click();
  void InsertList(const std::string& ListNum);

 private:
  bool SortRows(int first, int last, bool descending);
  void RunSort(bool (Form1::*sort)());
  QPointer<QWidget> dupReport_;

 public:
  // ---- end of sorts, duplicates, find, columns, frequency lists -----------

  // ---- radio settings dialogs (src/settings/) ------------------------------
  // Connects the IC-R2 Settings menu and the hidden Memories > Priority
  // Channel item (Form1SettingsMenu.cpp). Each shows its dialog modally; the
  // dialogs write into the image, which the unsaved-changes check then sees.
  void ConnectSettingsMenu();
  void mnuSetMode_Click();
  void mnuSquelch_Click();
  void mnuUserComments_Click();
  void mnuPriority_Click();

  // ---- end of radio settings dialogs --------------------------------------

  // ---- imports from other radios' files (src/importexport/) ---------------
  // Connects File > Import From <radio> (Form1RadioImports.cpp).
  void ConnectRadioImports();
  // Each asks for the radio's file and the start row, then fills grid rows
  // from the file's memories; Edit > Undo brings the grid back.
  void mnuImportICQ7_Click();
  void mnuImportVX2_Click();
  void mnuImportEve_Click();  // VX-5R
  void mnuImportVX7_Click();
  void mnuImportVR120_Click();

  // ---- end of imports from other radios' files ----------------------------

  // ---- CSV, text and TravelPlus imports, export, printing (src/importexport/)
  // Connects File > Import From .CSV, Export, the Frequency Import Tool,
  // Import From .TPE and Print (Form1FileExchange.cpp).
  void ConnectFileExchange();

  // CSV and plain-text import (Form1CsvImport.cpp). Each takes the undo
  // snapshot before it writes, so Edit > Undo puts the grid back.
  void mnuImport_Click();
  void ImportCsv();
  // Appends one channel per line that holds a frequency, from the row after
  // the last used memory row; a file that cannot be read is reported.
  void ImportGeneric(const std::string& path);
  // The row whose label is `mem` (either case); Rows() when none is.
  int Mem2Row(std::string_view mem) const;

  // CSV export, Frequency Import Tool, TravelPlus import (their own files).
  void mnuExportWizard_Click();
  void mnuFreqImportTool_Click();
  void mnuImportTPE_Click();
  void TravelPlus();

  // Printing (Form1Print.cpp).
  void mnuPrint_Click();
  // Prints header row 0 and rows sStart to sEnd (cut at the grid's last
  // row), columns 0 to 8, with the main grid's column widths.
  void PrintGrid(const MSFlexGrid& pGrid, const std::string& sTitle, bool pHorizontal, int sStart,
                 int sEnd);

  // ---- end of CSV, text and TravelPlus imports, export, printing ----------

  MSFlexGrid* MSFlexGrid1 = nullptr;
};
