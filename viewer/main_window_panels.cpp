// The panels of the main window and the controls on them, as the form lays
// them out.

#include <QBoxLayout>
#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "viewer/accessible_controls.h"
#include "viewer/exit_open_dialog.h"
#include "viewer/find_bar.h"
#include "viewer/logo_image.h"
#include "viewer/main_window_style.h"
#include "viewer/page_zoom.h"
#include "viewer/qt_main_window.h"
#include "viewer/win1250_text.h"

namespace velmora::platform::qt {
namespace {

namespace form = app::main_form;
using windows::ControlKind;
using windows::Describe;

// A gap of the bottom bar before the search box and before the history
// buttons, which show bold signs.
constexpr form::ControlId kSearchBox = form::Control("Szukaj");
constexpr form::ControlId kFirstHistoryButton = form::Control("LMDSpeedButton26");

// What a screen reader says for the buttons whose caption is a sign.
struct SpokenName {
  form::ControlId control;
  const char* name;         // UTF-8
  const char* description;  // UTF-8; empty: the tool-tip
};

constexpr SpokenName kSpokenNames[] = {
    {form::Control("LMDSpeedButton29"), "Minimalizuj", ""},
    {form::Control("LMDSpeedButton30"), "Zamknij", ""},
    {form::Control("LMDSpeedButton26"), "Początek strony", "Przewiń stronę do początku"},
    {form::Control("LMDSpeedButton27"), "Wstecz", "Poprzednia strona"},
    {form::Control("LMDSpeedButton28"), "Dalej", "Następna strona"},
    {form::Control("Szukaj"), "Szukany tekst", "Enter zaczyna wyszukiwanie"},
    {form::Control("MainWebBrowser"), "Strona", ""},
    {form::Control("MenuWebBrowser"), "Menu strony", ""},
    {form::Control("TitleWebBrowser"), "Tytuł strony", ""},
    {form::Control("Image1"), "Logo", ""},
    {form::Control("Image2"), "Logo wydawcy", ""},
};

// The controls of the description in its order that pass the test.
template <typename Test>
std::vector<form::ControlId> ControlsWhere(Test test) {
  std::vector<form::ControlId> found;
  for (std::size_t i = 0; i < form::Description::kControls.size(); ++i) {
    if (test(form::Description::kControls[i])) found.push_back(form::ControlId{i});
  }
  return found;
}

std::vector<form::ControlId> ControlsOfKind(ControlKind kind) {
  return ControlsWhere([kind](const windows::Control& control) { return control.kind == kind; });
}

std::vector<form::ControlId> ControlsOn(form::ControlId parent) {
  const std::string_view name = Describe(parent).name;
  return ControlsWhere([name](const windows::Control& control) { return control.parent == name; });
}

const windows::Geometry& GeometryOf(form::ControlId id) { return Describe(id).geometry; }

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

QAbstractButton* QtMainWindow::AddButton(form::ControlId id, QWidget* parent) {
  // Marked before a reader first hears of it: it keeps the first answer.
  auto* button = new QPushButton;
  AnnounceAsPushButton(*button);
  button->setParent(parent);
  button->setText(FromWin1250(std::string(Describe(id).caption)));
  // Reached with Tab, not taken by a click (the page keeps the keyboard);
  // Enter presses it as Space does.
  button->setFocusPolicy(Qt::TabFocus);
  button->setAutoDefault(true);
  Add(id, button);
  const std::string_view handler = Describe(id).handler;
  connect(button, &QPushButton::clicked, this, [this, handler] { Raise(handler); });
  return button;
}

QWidget* QtMainWindow::BuildMainArea() {
  const form::ControlId panel1Id = form::Control("Panel1");
  auto* panel1 = Add(panel1Id, new QWidget(this));
  style::Paint(*panel1, style::kFormColor);

  // Strip and title strip on the left, logos at the top right.
  auto* top = new QWidget(panel1);
  auto* topLayout = new QHBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  topLayout->setSpacing(0);
  auto* strips = new QVBoxLayout;
  strips->setSpacing(0);
  const form::ControlId panel7Id = form::Control("Panel7");
  auto* panel7 = Add(panel7Id, new QWidget(top));
  panel7->setFixedHeight(GeometryOf(panel7Id).height);
  const form::ControlId panel4Id = form::Control("Panel4");
  auto* panel4 = Add(panel4Id, new QWidget(top));
  panel4->setFixedHeight(GeometryOf(panel4Id).height);
  style::Paint(*panel4, style::kTitleStripColor);
  strips->addWidget(panel7);
  strips->addWidget(panel4);
  topLayout->addLayout(strips, 1);

  QWebEngineView* title = titleWebBrowser_.view();
  title->setParent(panel4);
  title->setContextMenuPolicy(Qt::NoContextMenu);
  title->page()->setBackgroundColor(style::kTitleStripColor);
  title->setGeometry(-2, -2, 200, GeometryOf(panel4Id).height + 4);
  Add(form::Control("TitleWebBrowser"), title);
  topLayout->addWidget(BuildLogos(top), 0, Qt::AlignTop);

  auto* area = new StackedArea(panel1);
  mainArea_ = area;
  QWebEngineView* view = mainWebBrowser_.view();
  view->setParent(area);
  Add(form::Control("MainWebBrowser"), view);
  auto* tree = Add(form::Control("TreeViewCD"), new QWidget(area));
  style::Paint(*tree, Qt::white);
  tree->hide();
  auto* memo = new QPlainTextEdit(area);
  Add(form::Control("Memo2"), memo);
  memo->hide();
  // Visible over the main area until the start-up shows the browser.
  auto* richEdit = new QPlainTextEdit(area);
  richEdit->setReadOnly(true);
  Add(form::Control("MainRichEdit"), richEdit);
  findBar_ = new FindBar(*mainWebBrowser_.page(), area);
  area->SetFindBar(findBar_);
  connect(findBar_, &FindBar::closed, view, [view] { view->setFocus(); });
  zoom_ = new PageZoom(*view);

  auto* layout = new QVBoxLayout(panel1);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(top);
  layout->addWidget(area, 1);

  for (form::ControlId id : ControlsOfKind(ControlKind::DiagnosticButton)) {
    QAbstractButton* button = AddButton(id, panel1);
    const windows::Geometry& place = GeometryOf(id);
    button->setGeometry(place.left, place.top, place.width, place.height);
    button->setFocusPolicy(Qt::NoFocus);
    HideFromReaders(*button);
    button->hide();
  }
  return panel1;
}

QWidget* QtMainWindow::BuildLogos(QWidget* parent) {
  const form::ControlId panel5Id = form::Control("Panel5");
  auto* panel5 = Add(panel5Id, new QWidget(parent));
  panel5->setFixedSize(GeometryOf(panel5Id).width, GeometryOf(panel5Id).height);
  auto* logos = new QHBoxLayout(panel5);
  logos->setContentsMargins(3, 2, 3, 1);
  logos->setSpacing(3);
  for (auto [id, kind] : {std::pair{form::Control("Image1"), LogoImage::Kind::Leaf},
                          std::pair{form::Control("Image2"), LogoImage::Kind::Publisher}}) {
    auto* logo = new LogoImage(kind, panel5);
    const std::string_view handler = Describe(id).handler;
    logo->onMouseDown = [this, handler](bool ctrlHeld) { Raise(handler, ctrlHeld ? "ctrl" : ""); };
    Add(id, logo);
    logos->addWidget(logo);
  }
  return panel5;
}

QWidget* QtMainWindow::BuildRightBar() {
  const form::ControlId panel3Id = form::Control("Panel3");
  auto* panel3 = Add(panel3Id, new QWidget(this));
  panel3->setFixedWidth(GeometryOf(panel3Id).width);
  style::Paint(*panel3, style::kFormColor);
  auto* layout = new QVBoxLayout(panel3);
  layout->setContentsMargins(4, 4, 5, 0);
  layout->setSpacing(1);

  auto* windowButtons = new QHBoxLayout;
  windowButtons->setSpacing(2);
  windowButtons->addStretch(1);
  const form::ControlId minimiseId = form::Control("LMDSpeedButton29");
  QAbstractButton* minimise = AddButton(minimiseId, panel3);
  minimise->setToolTip(QString::fromUtf8("Minimalizuj do paska"));
  SetBold(*minimise);
  const form::ControlId closeId = form::Control("LMDSpeedButton30");
  QAbstractButton* close = AddButton(closeId, panel3);
  close->setToolTip(QString::fromUtf8("Zamknij program"));
  close->setIcon(CloseIcon());
  close->setIconSize(QSize(12, 12));
  MarkAsExit(*close);
  for (auto [button, id] : {std::pair{minimise, minimiseId}, std::pair{close, closeId}}) {
    button->setFixedSize(GeometryOf(id).width, GeometryOf(id).height);
    windowButtons->addWidget(button);
  }
  layout->addLayout(windowButtons);
  layout->addSpacing(8);

  const form::ControlId headingId = form::Control("Label2");
  auto* heading = new QLabel(FromWin1250(std::string(Describe(headingId).caption)), panel3);
  Add(headingId, heading);
  SetBold(*heading);
  QPalette palette = heading->palette();
  palette.setColor(QPalette::WindowText, style::kButtonFace);
  heading->setPalette(palette);
  layout->addWidget(heading);
  layout->addSpacing(2);

  categoryButtons_ = new QButtonGroup(this);
  categoryButtons_->setObjectName(QString::fromUtf8(form::Description::kTopicGroup));
  categoryButtons_->setExclusive(true);
  int index = 0;
  for (form::ControlId id : ControlsOfKind(ControlKind::TopicButton)) {
    QAbstractButton* button = AddButton(id, panel3);
    button->setCheckable(true);
    button->setFixedSize(GeometryOf(id).width, GeometryOf(id).height);
    categoryButtons_->addButton(button);
    layout->addWidget(button);
    // The choose-by group stands apart from the topics.
    if (++index == 4) layout->addSpacing(10);
  }
  layout->addSpacing(6);

  auto* panel6 = Add(form::Control("Panel6"), new QWidget(panel3));
  auto* menuLayout = new QVBoxLayout(panel6);
  menuLayout->setContentsMargins(0, 0, 0, 0);
  QWebEngineView* menu = menuWebBrowser_.view();
  menu->setParent(panel6);
  Add(form::Control("MenuWebBrowser"), menu);
  menuLayout->addWidget(menu);
  panel6->hide();
  layout->addWidget(panel6, 1);
  layout->addStretch(0);
  return panel3;
}

QWidget* QtMainWindow::BuildBottomBar() {
  const form::ControlId panel2Id = form::Control("Panel2");
  auto* panel2 = Add(panel2Id, new QWidget(this));
  panel2->setFixedHeight(GeometryOf(panel2Id).height);
  style::Paint(*panel2, style::kFormColor);
  auto* layout = new QHBoxLayout(panel2);
  layout->setContentsMargins(4, 5, 4, 5);
  layout->setSpacing(2);

  for (form::ControlId id : ControlsOn(panel2Id)) {
    const windows::Geometry& size = GeometryOf(id);
    if (id == kSearchBox || id == kFirstHistoryButton) layout->addSpacing(4);
    if (id == kSearchBox) {
      auto* search = new QLineEdit(panel2);
      Add(id, search);
      search->setFixedSize(size.width, size.height);
      // Enter starts the search; other keys are typed as usual.
      const std::string_view handler = Describe(id).handler;
      connect(search, &QLineEdit::returnPressed, this,
              [this, handler] { Raise(handler, "enter"); });
      layout->addWidget(search);
      continue;
    }
    QAbstractButton* button = AddButton(id, panel2);
    if (id.index >= kFirstHistoryButton.index) SetBold(*button);
    // As wide as the caption needs, at least the described width.
    const int width = button->fontMetrics().horizontalAdvance(button->text()) + 12;
    button->setFixedSize(std::max(width, size.width), size.height);
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
  const form::ControlId page = form::Control("MainWebBrowser");
  const form::ControlId tree = form::Control("TreeViewCD");
  std::vector<form::ControlId> order;
  // The tree covers the page while it is shown.
  if (Control(tree) == nullptr || !Control(tree)->isVisible()) order.push_back(page);
  order.push_back(kSearchBox);
  for (form::ControlId id : ControlsOn(form::Control("Panel2"))) {
    if (Describe(id).kind == ControlKind::Button) order.push_back(id);
  }
  for (form::ControlId id : ControlsOfKind(ControlKind::TopicButton)) order.push_back(id);
  order.push_back(form::Control("MenuWebBrowser"));
  order.push_back(tree);
  order.push_back(form::Control("LMDSpeedButton29"));
  order.push_back(form::Control("LMDSpeedButton30"));
  QList<QWidget*> stops;
  for (form::ControlId id : order) {
    QWidget* control = Control(id);
    if (control != nullptr && control->isVisible() && control->isEnabled()) stops.append(control);
    // The find bar, when open, right after the page it searches.
    if (id == page && findBar_->isVisible()) {
      for (QWidget* part : findBar_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((part->focusPolicy() & Qt::TabFocus) && part->isVisible()) stops.append(part);
      }
    }
  }
  return stops;
}

}  // namespace velmora::platform::qt
