// The panels of the main window and the controls on them, as the form lays
// them out.

#include <QBoxLayout>
#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "viewer/accessible_controls.h"
#include "viewer/exit_open_dialog.h"
#include "viewer/find_bar.h"
#include "viewer/logo_image.h"
#include "viewer/main_window_style.h"
#include "viewer/page_zoom.h"
#include "viewer/qt_main_window.h"

namespace velmora::platform::qt {
namespace {

constexpr int kBottomBarHeight = 33;
constexpr int kRightBarWidth = 129;
constexpr int kButtonHeight = 23;
constexpr int kStripHeight = 5;
constexpr int kTitleStripHeight = 30;

struct ButtonSpec {
  const char* name;
  const char* caption;  // UTF-8
  const char* handler;
};

constexpr ButtonSpec kBottomButtons[] = {
    {"LMDSpeedButton16", "Wstęp", "LMDSpeedButton16Click"},
    {"LMDSpeedButton17", "Zawartość CD", "LMDSpeedButton17Click"},
    {"LMDSpeedButton18", "Mapa CD", "Button6Click"},
    {"LMDSpeedButton19", "Autorzy", "Button3Click"},
    {"LMDSpeedButton20", "Wydawca", "Button4Click"},
    {"LMDSpeedButton21", "Sponsor", "Button5Click"},
    {"LMDSpeedButton22", "Bibliografia", "Button20Click"},
    {"LMDSpeedButton23", "Pomoc", "Button7Click"},
    {"LMDSpeedButton24", "Drukuj", "Button21Click"},
};

constexpr ButtonSpec kHistoryButtons[] = {
    {"LMDSpeedButton26", "^", "BitBtn1Click"},
    {"LMDSpeedButton27", "<--", "Button8Click"},
    {"LMDSpeedButton28", "-->", "Button9Click"},
};

// What a screen reader says for the buttons whose caption is a sign.
struct SpokenName {
  const char* control;
  const char* name;         // UTF-8
  const char* description;  // UTF-8; empty: the tool-tip
};

constexpr SpokenName kSpokenNames[] = {
    {"LMDSpeedButton29", "Minimalizuj", ""},
    {"LMDSpeedButton30", "Zamknij", ""},
    {"LMDSpeedButton26", "Początek strony", "Przewiń stronę do początku"},
    {"LMDSpeedButton27", "Wstecz", "Poprzednia strona"},
    {"LMDSpeedButton28", "Dalej", "Następna strona"},
    {"Szukaj", "Szukany tekst", "Enter zaczyna wyszukiwanie"},
    {"MainWebBrowser", "Strona", ""},
    {"MenuWebBrowser", "Menu strony", ""},
    {"TitleWebBrowser", "Tytuł strony", ""},
    {"Image1", "Logo", ""},
    {"Image2", "Logo wydawcy", ""},
};

// The first four are the choose-by group under the heading.
constexpr ButtonSpec kTopicButtons[] = {
    {"LMDSpeedButton1", "map", "LMDSpeedButton1Click"},
    {"LMDSpeedButton2", "obiektów opisywanych", "LMDSpeedButton2Click"},
    {"LMDSpeedButton3", "baz obiektów", "LMDSpeedButton3Click"},
    {"LMDSpeedButton4", "województw", "LMDSpeedButton4Click"},
    {"LMDSpeedButton7", "Formy ochrony", "LMDSpeedButton7Click"},
    {"LMDSpeedButton10", "Prawo ochrony przyr.", "LMDSpeedButton10Click"},
    {"LMDSpeedButton11", "Organizacja ochrony", "LMDSpeedButton11Click"},
    {"LMDSpeedButton13", "Międzynarodowa ochr.", "LMDSpeedButton13Click"},
    {"LMDSpeedButton12", "Sieci ekologiczne", "LMDSpeedButton12Click"},
    {"LMDSpeedButton14", "ECONET-PL", "LMDSpeedButton14Click"},
    {"LMDSpeedButton8", "Warunki przyrodnicze", "LMDSpeedButton8Click"},
    {"LMDSpeedButton9", "Historia ochrony przyr.", "LMDSpeedButton9Click"},
    {"LMDSpeedButton15", "Statystyka", "LMDSpeedButton15Click"},
    {"LMDSpeedButton6", "Galeria", "LMDSpeedButton6Click"},
    {"LMDSpeedButton5", "Słownik", "LMDSpeedButton5Click"},
};

// Diagnostic buttons: never shown in normal use.
constexpr ButtonSpec kDiagnosticButtons[] = {
    {"Button24", "chmurka", "Button24Click"}, {"Button12", "RESearch", "Button12Click"},
    {"Button13", "lista", "Button13Click"},   {"Button16", "MainRE", "Button16Click"},
    {"Button15", "Baza", "Button15Click"},    {"Button14", "Memo2", "Button14Click"},
    {"Button1", "Spr", "Button1Click"},
};

void SetBold(QWidget& widget) {
  QFont font = widget.font();
  font.setBold(true);
  widget.setFont(font);
}

// The area below the title strip: every control in it covers the whole area
// (only one is visible at a time), the find bar takes the bottom when open.
class StackedArea : public QWidget {
 public:
  using QWidget::QWidget;
  void SetFindBar(QWidget* bar) {
    findBar_ = bar;
    bar->installEventFilter(this);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    Relayout();
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ChildAdded) Relayout();
    return QWidget::event(event);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == findBar_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
      Relayout();
    }
    return false;
  }

 private:
  void Relayout() {
    QRect area = rect();
    if (findBar_ && findBar_->isVisibleTo(this)) {
      const int height = findBar_->sizeHint().height();
      findBar_->setGeometry(0, area.height() - height, area.width(), height);
      area.setHeight(area.height() - height);
    }
    for (QObject* child : children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget && widget != findBar_ && !widget->isWindow()) widget->setGeometry(area);
    }
  }

  QWidget* findBar_ = nullptr;
};

}  // namespace

QAbstractButton* QtMainWindow::AddButton(const std::string& name, const QString& caption,
                                         const char* handler, QWidget* parent) {
  // Marked before a reader first hears of it: it keeps the first answer.
  auto* button = new QPushButton;
  AnnounceAsPushButton(*button);
  button->setParent(parent);
  button->setText(caption);
  // Reached with Tab, not taken by a click (the page keeps the keyboard);
  // Enter presses it as Space does.
  button->setFocusPolicy(Qt::TabFocus);
  button->setAutoDefault(true);
  Add(name, button);
  const std::string handlerName = handler;
  connect(button, &QPushButton::clicked, this, [this, handlerName] { Raise(handlerName); });
  return button;
}

QWidget* QtMainWindow::BuildMainArea() {
  auto* panel1 = Add("Panel1", new QWidget(this));
  style::Paint(*panel1, style::kFormColor);

  // Strip and title strip on the left, logos at the top right.
  auto* top = new QWidget(panel1);
  auto* topLayout = new QHBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  topLayout->setSpacing(0);
  auto* strips = new QVBoxLayout;
  strips->setSpacing(0);
  auto* panel7 = Add("Panel7", new QWidget(top));
  panel7->setFixedHeight(kStripHeight);
  auto* panel4 = Add("Panel4", new QWidget(top));
  panel4->setFixedHeight(kTitleStripHeight);
  style::Paint(*panel4, style::kTitleStripColor);
  strips->addWidget(panel7);
  strips->addWidget(panel4);
  topLayout->addLayout(strips, 1);

  QWebEngineView* title = titleWebBrowser_.view();
  title->setParent(panel4);
  title->setContextMenuPolicy(Qt::NoContextMenu);
  title->page()->setBackgroundColor(style::kTitleStripColor);
  title->setGeometry(-2, -2, 200, kTitleStripHeight + 4);
  Add("TitleWebBrowser", title);

  auto* panel5 = Add("Panel5", new QWidget(top));
  panel5->setFixedSize(2 * 32 + 3 * 3, kStripHeight + kTitleStripHeight);
  auto* logos = new QHBoxLayout(panel5);
  logos->setContentsMargins(3, 2, 3, 1);
  logos->setSpacing(3);
  for (auto [name, kind] : {std::pair{"Image1", LogoImage::Kind::Leaf},
                            std::pair{"Image2", LogoImage::Kind::Publisher}}) {
    auto* logo = new LogoImage(kind, panel5);
    logo->onMouseDown = [this](bool ctrlHeld) { Raise("Image1MouseDown", ctrlHeld ? "ctrl" : ""); };
    Add(name, logo);
    logos->addWidget(logo);
  }
  topLayout->addWidget(panel5, 0, Qt::AlignTop);

  auto* area = new StackedArea(panel1);
  mainArea_ = area;
  QWebEngineView* view = mainWebBrowser_.view();
  view->setParent(area);
  Add("MainWebBrowser", view);
  auto* tree = Add("TreeViewCD", new QWidget(area));
  style::Paint(*tree, Qt::white);
  tree->hide();
  auto* memo = new QPlainTextEdit(area);
  Add("Memo2", memo);
  memo->hide();
  // Visible over the main area until the start-up shows the browser.
  auto* richEdit = new QPlainTextEdit(area);
  richEdit->setReadOnly(true);
  Add("MainRichEdit", richEdit);
  findBar_ = new FindBar(*mainWebBrowser_.page(), area);
  area->SetFindBar(findBar_);
  connect(findBar_, &FindBar::closed, view, [view] { view->setFocus(); });
  zoom_ = new PageZoom(*view);

  auto* layout = new QVBoxLayout(panel1);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(top);
  layout->addWidget(area, 1);

  int left = 4;
  for (const ButtonSpec& spec : kDiagnosticButtons) {
    QAbstractButton* button =
        AddButton(spec.name, QString::fromUtf8(spec.caption), spec.handler, panel1);
    button->setGeometry(left, 40, 60, 17);
    button->setFocusPolicy(Qt::NoFocus);
    HideFromReaders(*button);
    button->hide();
    left += 62;
  }
  return panel1;
}

QWidget* QtMainWindow::BuildRightBar() {
  auto* panel3 = Add("Panel3", new QWidget(this));
  panel3->setFixedWidth(kRightBarWidth);
  style::Paint(*panel3, style::kFormColor);
  auto* layout = new QVBoxLayout(panel3);
  layout->setContentsMargins(4, 4, 5, 0);
  layout->setSpacing(1);

  auto* windowButtons = new QHBoxLayout;
  windowButtons->setSpacing(2);
  windowButtons->addStretch(1);
  QAbstractButton* minimise =
      AddButton("LMDSpeedButton29", QStringLiteral("_"), "LMDSpeedButton29Click", panel3);
  minimise->setToolTip(QString::fromUtf8("Minimalizuj do paska"));
  SetBold(*minimise);
  QAbstractButton* close =
      AddButton("LMDSpeedButton30", QString(), "LMDSpeedButton30Click", panel3);
  close->setToolTip(QString::fromUtf8("Zamknij program"));
  close->setIcon(CloseIcon());
  close->setIconSize(QSize(12, 12));
  MarkAsExit(*close);
  for (QAbstractButton* button : {minimise, close}) {
    button->setFixedSize(20, 20);
    windowButtons->addWidget(button);
  }
  layout->addLayout(windowButtons);
  layout->addSpacing(8);

  auto* heading = new QLabel(QString::fromUtf8("Wybór według:"), panel3);
  Add("Label2", heading);
  SetBold(*heading);
  QPalette palette = heading->palette();
  palette.setColor(QPalette::WindowText, style::kButtonFace);
  heading->setPalette(palette);
  layout->addWidget(heading);
  layout->addSpacing(2);

  categoryButtons_ = new QButtonGroup(this);
  categoryButtons_->setObjectName(QStringLiteral("CategoryButtons"));
  categoryButtons_->setExclusive(true);
  int index = 0;
  for (const ButtonSpec& spec : kTopicButtons) {
    QAbstractButton* button =
        AddButton(spec.name, QString::fromUtf8(spec.caption), spec.handler, panel3);
    button->setCheckable(true);
    button->setFixedSize(120, 20);
    categoryButtons_->addButton(button);
    layout->addWidget(button);
    // The choose-by group stands apart from the topics.
    if (++index == 4) layout->addSpacing(10);
  }
  layout->addSpacing(6);

  auto* panel6 = Add("Panel6", new QWidget(panel3));
  auto* menuLayout = new QVBoxLayout(panel6);
  menuLayout->setContentsMargins(0, 0, 0, 0);
  QWebEngineView* menu = menuWebBrowser_.view();
  menu->setParent(panel6);
  Add("MenuWebBrowser", menu);
  menuLayout->addWidget(menu);
  panel6->hide();
  layout->addWidget(panel6, 1);
  layout->addStretch(0);
  return panel3;
}

QWidget* QtMainWindow::BuildBottomBar() {
  auto* panel2 = Add("Panel2", new QWidget(this));
  panel2->setFixedHeight(kBottomBarHeight);
  style::Paint(*panel2, style::kFormColor);
  auto* layout = new QHBoxLayout(panel2);
  layout->setContentsMargins(4, 5, 4, 5);
  layout->setSpacing(2);

  auto fit = [](QAbstractButton& button, int minimum) {
    const int width = button.fontMetrics().horizontalAdvance(button.text()) + 12;
    button.setFixedSize(std::max(width, minimum), kButtonHeight);
  };
  for (const ButtonSpec& spec : kBottomButtons) {
    QAbstractButton* button =
        AddButton(spec.name, QString::fromUtf8(spec.caption), spec.handler, panel2);
    fit(*button, 44);
    layout->addWidget(button);
  }
  layout->addSpacing(4);

  auto* search = new QLineEdit(panel2);
  Add("Szukaj", search);
  search->setFixedSize(75, kButtonHeight);
  // Enter starts the search; other keys are typed as usual.
  connect(search, &QLineEdit::returnPressed, this, [this] { Raise("SzukajKeyPress", "enter"); });
  layout->addWidget(search);
  QAbstractButton* find =
      AddButton("LMDSpeedButton25", QStringLiteral("Szukaj"), "Button22Click", panel2);
  fit(*find, 44);
  layout->addWidget(find);
  layout->addSpacing(4);

  for (const ButtonSpec& spec : kHistoryButtons) {
    QAbstractButton* button =
        AddButton(spec.name, QString::fromUtf8(spec.caption), spec.handler, panel2);
    SetBold(*button);
    fit(*button, 30);
    layout->addWidget(button);
  }
  layout->addStretch(1);
  return panel2;
}

void QtMainWindow::NameForReaders() {
  for (const SpokenName& spoken : kSpokenNames) {
    QWidget* control = Control(spoken.control);
    if (control == nullptr) continue;
    control->setAccessibleName(QString::fromUtf8(spoken.name));
    if (*spoken.description != '\0') {
      control->setAccessibleDescription(QString::fromUtf8(spoken.description));
    }
  }
}

QList<QWidget*> QtMainWindow::TabStops() const {
  std::vector<std::string> names;
  QWidget* tree = Control("TreeViewCD");
  // The tree covers the page while it is shown.
  if (tree == nullptr || !tree->isVisible()) names.push_back("MainWebBrowser");
  names.push_back("Szukaj");
  for (const ButtonSpec& spec : kBottomButtons) names.push_back(spec.name);
  names.push_back("LMDSpeedButton25");
  for (const ButtonSpec& spec : kHistoryButtons) names.push_back(spec.name);
  for (const ButtonSpec& spec : kTopicButtons) names.push_back(spec.name);
  names.push_back("MenuWebBrowser");
  names.push_back("TreeViewCD");
  names.push_back("LMDSpeedButton29");
  names.push_back("LMDSpeedButton30");
  QList<QWidget*> stops;
  for (const std::string& name : names) {
    QWidget* control = Control(name);
    if (control != nullptr && control->isVisible() && control->isEnabled()) stops.append(control);
    // The find bar, when open, right after the page it searches.
    if (name == "MainWebBrowser" && findBar_->isVisible()) {
      for (QWidget* part : findBar_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((part->focusPolicy() & Qt::TabFocus) && part->isVisible()) stops.append(part);
      }
    }
  }
  return stops;
}

}  // namespace velmora::platform::qt
