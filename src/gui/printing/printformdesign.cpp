// The print window's choices as they are laid out: what to practise above, the set's size, time and seed below.
#include "printing/printform.h"

#include "controls/steadycursor.h"
#include "request/optionwords.h"
#include "sheet/sheetplan.h"
#include "units/questionfilter.h"
#include "units/unit.h"
#include "units/unittable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Regroup = QuestionFilter::Regroup;

// The operators' boxes, in option order: text with its mnemonic, and the name a screen reader gives.
constexpr std::array<std::pair<QStringView, QStringView>, 4> operatorBoxes{
        {{u"＋ 加(&1)", u"加"}, {u"－ 减(&2)", u"减"}, {u"× 乘(&3)", u"乘"}, {u"÷ 除(&4)", u"除"}}};
constexpr std::array<Regroup, 3> regroupItems{Regroup::Any, Regroup::All, Regroup::None};

QLineEdit *numberBox(const QString &name, int width)
{
    auto *box = new QLineEdit;
    box->setAccessibleName(name);
    box->setMaximumWidth(width);
    new SteadyCursor(box); // a long paste leaves the program idle
    return box;
}

} // namespace

PrintForm::PrintForm(const SetOptions::Options &given, QWidget *parent)
    : QWidget(parent)
{
    const SheetSettings start = SheetSettings::atStart();
    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("0000000"));

    m_byUnits = new QRadioButton(QStringLiteral("按课本单元(&U)"));
    m_units = new QListWidget;
    m_units->setAccessibleName(QStringLiteral("单元"));
    for (const Unit &unit : UnitTable::all()) {
        auto *item = new QListWidgetItem(unit.name.toString(), m_units);
        item->setData(Qt::UserRole, QString(unit.id));
        item->setToolTip(QStringLiteral("例：") + unit.example.toString());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_custom = new QRadioButton(QStringLiteral("自己设定(&C)"));
    auto *operators = new QHBoxLayout;
    for (size_t i = 0; i < m_operators.size(); ++i) {
        m_operators[i] = new QCheckBox(operatorBoxes[i].first.toString());
        m_operators[i]->setAccessibleName(operatorBoxes[i].second.toString());
        m_operators[i]->setChecked(start.ticks[i]);
        operators->addWidget(m_operators[i]);
    }
    auto *operatorRow = new QWidget;
    operatorRow->setLayout(operators);
    operators->setContentsMargins(0, 0, 0, 0);
    m_firstCount = numberBox(QStringLiteral("第一个数的位数"), narrow);
    m_secondCount = numberBox(QStringLiteral("第二个数的位数"), narrow);
    m_firstCount->setText(start.firstCount);
    m_secondCount->setText(start.secondCount);
    auto *digits = new QHBoxLayout;
    digits->setContentsMargins(0, 0, 0, 0);
    digits->addWidget(m_firstCount);
    digits->addWidget(new QLabel(QStringLiteral("位 与")));
    digits->addWidget(m_secondCount);
    digits->addWidget(new QLabel(QStringLiteral("位")));
    digits->addStretch();
    auto *digitRow = new QWidget;
    digitRow->setLayout(digits);
    m_regroup = new QComboBox;
    m_regroup->setAccessibleName(QStringLiteral("进位退位"));
    for (const Regroup regroup : regroupItems)
        m_regroup->addItem(OptionWords::regroupWords(regroup), QuestionFilter::regroupName(regroup));

    auto *custom = new QFormLayout;
    custom->addRow(QStringLiteral("运算："), operatorRow);
    custom->addRow(QString(), message(QStringLiteral("operators")));
    m_control.insert(QStringLiteral("operators"), m_operators[0]);
    auto *digitLabel = new QLabel(QStringLiteral("位数(&G)："));
    digitLabel->setBuddy(m_firstCount);
    custom->addRow(digitLabel, digitRow);
    custom->addRow(QString(), message(QStringLiteral("digits")));
    m_control.insert(QStringLiteral("digits"), m_firstCount);
    auto *regroupLabel = new QLabel(QStringLiteral("进位退位(&R)："));
    regroupLabel->setBuddy(m_regroup);
    custom->addRow(regroupLabel, m_regroup);
    custom->addRow(QString(), message(QStringLiteral("regroup")));
    m_control.insert(QStringLiteral("regroup"), m_regroup);

    auto *what = new QGroupBox(QStringLiteral("练什么"));
    auto *whatLayout = new QVBoxLayout(what);
    whatLayout->addWidget(m_byUnits);
    whatLayout->addWidget(m_units);
    whatLayout->addWidget(message(QStringLiteral("unit")));
    m_control.insert(QStringLiteral("unit"), m_units);
    whatLayout->addWidget(m_custom);
    whatLayout->addLayout(custom);
    auto *modes = new QButtonGroup(this);
    modes->addButton(m_byUnits);
    modes->addButton(m_custom);

    m_maxNumber = numberBox(QStringLiteral("最大数"), narrow * 2);
    m_maxNumber->setPlaceholderText(QStringLiteral("不限"));
    m_sheets = numberBox(QStringLiteral("张数"), narrow * 2);
    m_sheets->setText(QString::number(PrintJob().sheets));
    m_perPage = new QComboBox;
    m_perPage->setAccessibleName(QStringLiteral("每页张数"));
    for (const int count : SetOptions::perPageChoices)
        m_perPage->addItem(QString::number(count));
    m_perPage->setCurrentText(QString::number(PrintJob().perPage));
    m_ruleTime = new QRadioButton(QStringLiteral("按题目定(&L)"));
    m_fixedTime = new QRadioButton(QStringLiteral("固定(&F)"));
    m_seconds = numberBox(QStringLiteral("限时秒数"), narrow);
    m_seconds->setText(start.fixedSeconds);
    auto *time = new QHBoxLayout;
    time->setContentsMargins(0, 0, 0, 0);
    time->addWidget(m_ruleTime);
    time->addWidget(m_fixedTime);
    time->addWidget(m_seconds);
    time->addWidget(new QLabel(QStringLiteral("秒")));
    time->addStretch();
    auto *timeRow = new QWidget;
    timeRow->setLayout(time);
    auto *times = new QButtonGroup(this);
    times->addButton(m_ruleTime);
    times->addButton(m_fixedTime);
    m_answers = new QCheckBox(QStringLiteral("印答案页(&A)"));
    m_answers->setChecked(PrintJob().answers);
    m_seed = numberBox(QStringLiteral("种子"), narrow * 2);
    m_newSeed = new QPushButton(QStringLiteral("换一组(&H)"));
    m_newSeed->setAutoDefault(false);
    auto *seed = new QHBoxLayout;
    seed->setContentsMargins(0, 0, 0, 0);
    seed->addWidget(m_seed);
    seed->addWidget(m_newSeed);
    seed->addStretch();
    auto *seedRow = new QWidget;
    seedRow->setLayout(seed);

    auto *rest = new QFormLayout;
    const auto addRow = [&](const QString &label, QWidget *buddy, QWidget *row, const QString &option) {
        auto *text = new QLabel(label);
        text->setBuddy(buddy);
        rest->addRow(text, row);
        rest->addRow(QString(), message(option));
        m_control.insert(option, buddy);
    };
    addRow(QStringLiteral("最大数(&M)："), m_maxNumber, m_maxNumber, QStringLiteral("max-number"));
    addRow(QStringLiteral("张数(&N)："), m_sheets, m_sheets, QStringLiteral("sheets"));
    addRow(QStringLiteral("每页张数(&E)："), m_perPage, m_perPage, QStringLiteral("per-page"));
    rest->addRow(QStringLiteral("限时："), timeRow);
    rest->addRow(QString(), message(QStringLiteral("time")));
    m_control.insert(QStringLiteral("time"), m_seconds);
    rest->addRow(QString(), m_answers);
    addRow(QStringLiteral("种子(&D)："), m_seed, seedRow, QStringLiteral("seed"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(what);
    layout->addLayout(rest);
    layout->addStretch();

    fill(given);
    updateEnabled();

    const auto watch = [this](const QString &option) { return [this, option] { changedBy(option); }; };
    connect(m_byUnits, &QRadioButton::toggled, this, [this] {
        updateEnabled();
        Q_EMIT changed();
    });
    connect(m_units, &QListWidget::itemChanged, this, watch(QStringLiteral("unit")));
    for (QCheckBox *box : m_operators)
        connect(box, &QCheckBox::toggled, this, watch(QStringLiteral("operators")));
    connect(m_firstCount, &QLineEdit::textChanged, this, watch(QStringLiteral("digits")));
    connect(m_secondCount, &QLineEdit::textChanged, this, watch(QStringLiteral("digits")));
    connect(m_regroup, &QComboBox::currentIndexChanged, this, watch(QStringLiteral("regroup")));
    connect(m_maxNumber, &QLineEdit::textChanged, this, watch(QStringLiteral("max-number")));
    connect(m_sheets, &QLineEdit::textChanged, this, watch(QStringLiteral("sheets")));
    connect(m_perPage, &QComboBox::currentIndexChanged, this, watch(QStringLiteral("per-page")));
    connect(m_fixedTime, &QRadioButton::toggled, this, [this] {
        updateEnabled();
        Q_EMIT changed();
    });
    connect(m_seconds, &QLineEdit::textChanged, this, watch(QStringLiteral("time")));
    connect(m_answers, &QCheckBox::toggled, this, &PrintForm::changed);
    connect(m_seed, &QLineEdit::textChanged, this, watch(QStringLiteral("seed")));
    connect(m_newSeed, &QPushButton::clicked, this, &PrintForm::newSeed);
}

QLabel *PrintForm::message(const QString &option)
{
    auto *message = new QLabel;
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette palette = message->palette();
    palette.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    message->setPalette(palette);
    message->hide();
    m_message.insert(option, message);
    return message;
}
