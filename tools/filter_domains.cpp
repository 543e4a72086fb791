#include "tools/filter_domains.h"

#include "app/commandguard.h"
#include "app/emptytitle.h"
#include "app/filtrar_mails.h"
#include "app/windowsetup.h"
#include "controls/xpButton.h"
#include "core/abcQSort.h"
#include "core/applog.h"
#include "core/distinctdomains.h"
#include "core/listfile.h"
#include "tools/domainfilter.h"
#include "tools/domainlistmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QToolButton>
#include <QTreeView>

#include <numeric>

namespace {

QTreeView* domainList(QWidget* parent, QAbstractItemView::SelectionMode selection)
{
    auto* view = new QTreeView(parent);
    view->setModel(new DomainListModel(view));
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(selection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::SelectedClicked);
    view->header()->setStretchLastSection(true);
    return view;
}

DomainListModel& itemsOf(const QTreeView& view)
{
    return *static_cast<DomainListModel*>(view.model());
}

QList<qsizetype> selectedRows(const QTreeView& view)
{
    QList<qsizetype> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

QList<qsizetype> allRows(const QTreeView& view)
{
    QList<qsizetype> rows(view.model()->rowCount());
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

// Two filled triangles side by side, pointing the given way.
QIcon doubleArrow(Qt::ArrowType direction)
{
    QPixmap picture(16, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const bool right = direction == Qt::RightArrow;
    for (const int left : {1, 8}) {
        const QPolygonF triangle =
            right ? QPolygonF({QPointF(left, 1), QPointF(left + 6, 6), QPointF(left, 11)})
                  : QPolygonF({QPointF(left + 6, 1), QPointF(left, 6), QPointF(left + 6, 11)});
        painter.drawPolygon(triangle);
    }
    return QIcon(picture);
}

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType direction)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(direction);
    return button;
}

QToolButton* pictureButton(QWidget* parent, Qt::ArrowType direction)
{
    auto* button = new QToolButton(parent);
    button->setIcon(doubleArrow(direction));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

TxpButton* pushButton(QWidget* parent, const QString& caption)
{
    auto* button = new TxpButton(parent);
    button->setText(caption);
    return button;
}

} // namespace

Textract::Textract(TForm1& form1)
    : m_form1(form1)
    , SaveDialog1(this, "SaveDialog1", QFileDialog::AcceptSave, {}, {})
{
    setObjectName("extract");
    keepTitleEmpty(*this);
    setFont(designFont());
    setOuterSize(*this, 581, 541);
    move(200, 117);

    xpButton2 =
        place(pushButton(this, "Load file with email address"), "xpButton2", {8, 8, 185, 33});
    Label1 = place(new QLabel("Domains", this), "Label1", {8, 48, 241, 16});
    Label2 = place(new QLabel("Domains selected", this), "Label2", {324, 48, 241, 16});
    listaa =
        place(domainList(this, QAbstractItemView::ExtendedSelection), "listaa", {8, 64, 241, 329});
    EasyScrollButton2 =
        place(arrowButton(this, Qt::RightArrow), "EasyScrollButton2", {266, 136, 41, 25});
    SpeedButton1 = place(pictureButton(this, Qt::RightArrow), "SpeedButton1", {266, 166, 41, 25});
    EasyScrollButton1 =
        place(arrowButton(this, Qt::LeftArrow), "EasyScrollButton1", {266, 264, 41, 25});
    SpeedButton2 = place(pictureButton(this, Qt::LeftArrow), "SpeedButton2", {266, 294, 41, 25});
    listab =
        place(domainList(this, QAbstractItemView::SingleSelection), "listab", {324, 64, 241, 329});
    Label3 = place(new QLabel(" ", this), "Label3", {8, 398, 121, 16});
    Label5 = place(new QLabel(" ", this), "Label5", {324, 398, 97, 16});
    xpButton3 = place(pushButton(this, "Save list of domains"), "xpButton3", {432, 398, 133, 27});
    Label6 = place(new QLabel(" ", this), "Label6", {8, 440, 417, 16});
    xpButton1 =
        place(pushButton(this, "Extrac emails of these domains"), "xpButton1", {176, 462, 201, 33});
    xpButton5 = place(pushButton(this, "Save output"), "xpButton5", {432, 462, 133, 33});
    ProgressBar1 = place(new QProgressBar(this), "ProgressBar1", {0, 498, 573, 16});
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // Names for assistive tools, for the controls that show no text of their own.
    listaa->setAccessibleName("Domains");
    listab->setAccessibleName("Domains selected");
    EasyScrollButton2->setAccessibleName("Move selected domains right");
    SpeedButton1->setAccessibleName("Move all domains right");
    EasyScrollButton1->setAccessibleName("Move selected domain left");
    SpeedButton2->setAccessibleName("Move all domains left");
    ProgressBar1->setAccessibleName("Progress");

    giveStyledControlsWindowFont(*this);

    xpButton2->installEventFilter(this);

    connect(xpButton2, &TxpButton::clicked, this, guarded(this, &Textract::xpButton2Click));
    connect(EasyScrollButton2, &QToolButton::clicked, this,
            guarded(this, &Textract::EasyScrollButton2Click));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded(this, &Textract::SpeedButton1Click));
    connect(EasyScrollButton1, &QToolButton::clicked, this,
            guarded(this, &Textract::EasyScrollButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, guarded(this, &Textract::SpeedButton2Click));
    connect(xpButton1, &TxpButton::clicked, this, guarded(this, &Textract::xpButton1Click));
    connect(xpButton5, &TxpButton::clicked, this, guarded(this, &Textract::xpButton5Click));
    connect(xpButton3, &TxpButton::clicked, this, guarded(this, &Textract::xpButton3Click));
}

void Textract::xpButton2Click()
{
    m_form1.Openlistofemails1Click();
    Label1->setText(QString::number(m_form1.InputList.size()) + " address");
    AppendLog("Opened: " + m_form1.OpenDialog1.fileName());
    m_form1.SecondList.clear();
    AppendLog("Starting Domain filter..");
    m_form1.SecondList = distinctDomains(m_form1.InputList,
                                         [this](int percent) { ProgressBar1->setValue(percent); });
    ProgressBar1->setValue(0);

    Label6->setText("Sorting.. please wait it could take severals minutes");
    // Paints the status, and nothing else: a queued click must not start another command
    // (a second load, or one that rewrites SecondList) in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QuickSortList(m_form1.SecondList);
    Label6->setText("domains were ordered");

    DomainListModel& left = itemsOf(*listaa);
    left.append(domainsToList(left.items(), m_form1.SecondList));
    showCounts();
    AppendLog(QString::number(left.rowCount()) + " domains");
}

void Textract::EasyScrollButton2Click()
{
    moveRows(*listaa, *listab, selectedRows(*listaa));
}

void Textract::SpeedButton1Click()
{
    moveRows(*listaa, *listab, allRows(*listaa));
}

void Textract::EasyScrollButton1Click()
{
    moveRows(*listab, *listaa, selectedRows(*listab));
}

void Textract::SpeedButton2Click()
{
    moveRows(*listab, *listaa, allRows(*listab));
}

void Textract::xpButton1Click()
{
    m_form1.OutputList.append(linesOfDomains(m_form1.InputList, itemsOf(*listab).items()));
}

void Textract::xpButton5Click()
{
    if (SaveDialog1.execute())
        writeListFile(SaveDialog1.fileName(), m_form1.OutputList);
}

void Textract::xpButton3Click()
{
    if (SaveDialog1.execute())
        writeListFile(SaveDialog1.fileName(), itemsOf(*listab).items());
}

void Textract::moveRows(QTreeView& from, QTreeView& to, const QList<qsizetype>& rows)
{
    // The double-arrow buttons take no focus, so an in-place edit may still be open; ending
    // it stores what was typed before the lists are rebuilt.
    if (QWidget* focus = QApplication::focusWidget();
        focus && (from.isAncestorOf(focus) || to.isAncestorOf(focus)))
        focus->clearFocus();
    AddressList source = itemsOf(from).items();
    AddressList target = itemsOf(to).items();
    moveEntries(source, target, rows);
    itemsOf(from).setItems(std::move(source));
    itemsOf(to).setItems(std::move(target));
    showCounts();
}

void Textract::showCounts()
{
    Label3->setText(QString::number(itemsOf(*listaa).rowCount()));
    Label5->setText(QString::number(itemsOf(*listab).rowCount()));
}

void Textract::keyReleaseEvent(QKeyEvent* event)
{
    // Keys reach the window itself only when no control has the focus; a control's
    // unhandled release (the Escape that ends an in-place edit) does not close it.
    const QWidget* focus = focusWidget();
    if (focus == nullptr || focus == this)
        runCommand([&] { FormKeyUp(*event); });
    else
        QWidget::keyReleaseEvent(event);
}

bool Textract::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == xpButton2 && event->type() == QEvent::KeyRelease)
        runCommand([&] { xpButton2KeyUp(*static_cast<QKeyEvent*>(event)); });
    return QWidget::eventFilter(watched, event);
}

void Textract::FormKeyUp(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        hide();
}

void Textract::xpButton2KeyUp(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        hide();
}
