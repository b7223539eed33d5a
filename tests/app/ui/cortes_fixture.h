#pragma once

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>

// What a shown window cuts: a text wider or taller than the room its widget
// gives it, a widget that sticks out of its parent, a window that leaves the
// screen. One line per fault, naming the widget and the text.
namespace Cortes {

using namespace Qt::StringLiterals;

// A caption as drawn: "&Sim" shows "Sim", "&&" one "&".
inline QString semAtalho(QString texto)
{
    texto.replace(u"&&"_s, QString(QChar(0xE000)));
    texto.remove(u'&');
    texto.replace(QChar(0xE000), u'&');
    return texto;
}

// The width of the widest line of a text.
inline int largura(const QFontMetrics &fm, const QString &texto)
{
    int maior = 0;
    for (const QString &linha : texto.split(u'\n'))
        maior = std::max(maior, fm.horizontalAdvance(linha));
    return maior;
}

inline QString nome(const QWidget &w)
{
    const QString objeto = w.objectName().isEmpty() ? QString() : u" "_s + w.objectName();
    return QString::fromLatin1(w.metaObject()->className()) + objeto;
}

inline QString falta(const QWidget &w, const QString &texto, int precisa, int tem, const char *medida = "largura")
{
    return u"%1 \"%2\": %3 %4 precisa %5, tem %6"_s.arg(nome(w), texto, w.window()->windowTitle(),
                                                        QString::fromUtf8(medida))
        .arg(precisa)
        .arg(tem);
}

// Inside a scrolled view a widget may lie outside what shows: the view scrolls to it.
inline bool rolavel(const QWidget &w)
{
    for (const QWidget *p = w.parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (const auto *area = qobject_cast<const QAbstractScrollArea *>(p->parentWidget());
            area && area->viewport() == p)
            return true;
    return false;
}

inline void rotulo(const QLabel &l, QStringList &cortes)
{
    if (l.text().isEmpty() || !l.pixmap().isNull())
        return;
    const QRect espaco = l.contentsRect();
    if (l.wordWrap()) {
        const int altura = l.heightForWidth(l.width());
        if (altura > l.height())
            cortes << falta(l, l.text(), altura, l.height(), "altura");
        return;
    }
    const QSize precisa = l.sizeHint();
    if (precisa.width() > l.width())
        cortes << falta(l, l.text(), precisa.width(), l.width());
    // A line's glyphs from ascent to descent.
    const QFontMetrics fm(l.font());
    const int linhas = int(l.text().count(u'\n')) + 1;
    const int altura = linhas * (fm.ascent() + fm.descent());
    if (altura > espaco.height())
        cortes << falta(l, l.text(), altura, espaco.height(), "altura");
}

inline void botao(const QAbstractButton &b, QStringList &cortes)
{
    const QString texto = semAtalho(b.text());
    if (texto.isEmpty())
        return;
    const QFontMetrics fm(b.font());
    const int icone = b.icon().isNull() ? 0 : b.iconSize().width() + 4;
    int espaco = 0;
    int altura = 0;
    if (const auto *p = qobject_cast<const QPushButton *>(&b)) {
        QStyleOptionButton opcao;
        opcao.initFrom(p);
        opcao.text = p->text();
        if (p->isDefault() || p->autoDefault())
            opcao.features |= QStyleOptionButton::AutoDefaultButton;
        if (p->menu())
            opcao.features |= QStyleOptionButton::HasMenu;
        const QRect r = p->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, p);
        espaco = r.width() - (p->menu() ? p->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &opcao, p) : 0);
        altura = r.height();
    } else if (qobject_cast<const QCheckBox *>(&b) || qobject_cast<const QRadioButton *>(&b)) {
        QStyleOptionButton opcao;
        opcao.initFrom(&b);
        opcao.text = b.text();
        const auto elemento = qobject_cast<const QCheckBox *>(&b) ? QStyle::SE_CheckBoxContents
                                                                 : QStyle::SE_RadioButtonContents;
        const QRect r = b.style()->subElementRect(elemento, &opcao, &b);
        espaco = r.width();
        altura = r.height();
    } else if (const auto *t = qobject_cast<const QToolButton *>(&b)) {
        if (t->toolButtonStyle() == Qt::ToolButtonIconOnly && !t->icon().isNull())
            return;
        const int moldura = 2 * t->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, t);
        espaco = t->width() - moldura;
        altura = t->height() - moldura;
    } else {
        return;
    }
    const int precisa = fm.horizontalAdvance(texto) + icone;
    if (precisa > espaco)
        cortes << falta(b, texto, precisa, espaco);
    if (fm.ascent() + fm.descent() > altura)
        cortes << falta(b, texto, fm.ascent() + fm.descent(), altura, "altura");
}

inline void grupo(const QGroupBox &g, QStringList &cortes)
{
    if (g.title().isEmpty())
        return;
    QStyleOptionGroupBox opcao;
    opcao.initFrom(&g);
    opcao.text = g.title();
    opcao.textAlignment = g.alignment();
    opcao.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g.isCheckable())
        opcao.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect r = g.style()->subControlRect(QStyle::CC_GroupBox, &opcao, QStyle::SC_GroupBoxLabel, &g);
    if (r.left() < 0 || r.right() >= g.width())
        cortes << falta(g, g.title(), r.width(), g.width());
}

// A header's titles fit their sections, and the sections fit the view:
// the list shows every sign's column without scrolling.
inline void cabecalho(const QHeaderView &h, QStringList &cortes)
{
    const QAbstractItemModel *modelo = h.model();
    if (!modelo)
        return;
    const int margem = 2 * h.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &h);
    const int quantas = h.orientation() == Qt::Horizontal ? modelo->columnCount() : modelo->rowCount();
    for (int i = 0; i < quantas; ++i) {
        if (h.isSectionHidden(i))
            continue;
        const QVariant fonte = modelo->headerData(i, h.orientation(), Qt::FontRole);
        const QFontMetrics fm(fonte.canConvert<QFont>() ? fonte.value<QFont>() : h.font());
        const QString texto = modelo->headerData(i, h.orientation()).toString();
        const int precisa = largura(fm, texto) + margem;
        const int tem = h.orientation() == Qt::Horizontal ? h.sectionSize(i) : h.width();
        if (!texto.isEmpty() && precisa > tem)
            cortes << falta(h, texto, precisa, tem);
        const int fim = h.sectionViewportPosition(i) + h.sectionSize(i);
        if (h.orientation() == Qt::Horizontal && fim > h.viewport()->width())
            cortes << falta(h, texto, fim, h.viewport()->width(), "fim da coluna");
    }
}

inline void abas(const QTabBar &t, QStringList &cortes)
{
    const QFontMetrics fm(t.font());
    const int margem = t.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &t);
    for (int i = 0; i < t.count(); ++i) {
        const QString texto = semAtalho(t.tabText(i));
        const int precisa = fm.horizontalAdvance(texto) + margem;
        if (precisa > t.tabRect(i).width())
            cortes << falta(t, texto, precisa, t.tabRect(i).width());
    }
}

// Every item the operator can choose, as the closed box shows it.
inline void caixaDeEscolha(const QComboBox &c, QStringList &cortes)
{
    QStyleOptionComboBox opcao;
    opcao.initFrom(&c);
    opcao.editable = c.isEditable();
    opcao.frame = c.hasFrame();
    opcao.subControls = QStyle::SC_All;
    const QRect campo = c.style()->subControlRect(QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxEditField, &c);
    const QFontMetrics fm(c.font());
    for (int i = 0; i < c.count(); ++i) {
        const int precisa = fm.horizontalAdvance(c.itemText(i));
        if (precisa > campo.width())
            cortes << falta(c, c.itemText(i), precisa, campo.width());
    }
}

// The title bar shows the caption beside the window's icon and its three
// buttons: about 100 pixels in the common desktop themes.
constexpr int BarraDeTitulo = 100;

inline void janela(const QWidget &j, QStringList &cortes)
{
    const QRect tela = j.screen()->availableGeometry();
    if (!tela.contains(j.frameGeometry()))
        cortes << u"%1 \"%2\": fora da tela %3x%4 (%5,%6 %7x%8)"_s.arg(nome(j), j.windowTitle())
                      .arg(tela.width())
                      .arg(tela.height())
                      .arg(j.frameGeometry().x())
                      .arg(j.frameGeometry().y())
                      .arg(j.frameGeometry().width())
                      .arg(j.frameGeometry().height());
    QFont fonte = QApplication::font();
    fonte.setBold(true);
    const int titulo = QFontMetrics(fonte).horizontalAdvance(j.windowTitle()) + BarraDeTitulo;
    if (titulo > j.frameGeometry().width())
        cortes << falta(j, j.windowTitle(), titulo, j.frameGeometry().width(), "título");
}

// Every fault of a shown window and its visible children.
inline QStringList DaJanela(const QWidget &j)
{
    QStringList cortes;
    janela(j, cortes);
    for (const QWidget *w : j.findChildren<QWidget *>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        const QWidget *pai = w->parentWidget();
        if (!rolavel(*w) && !pai->rect().contains(w->geometry()))
            cortes << u"%1 fora de %2: %3,%4 %5x%6 em %7x%8"_s.arg(nome(*w), nome(*pai))
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(pai->width())
                          .arg(pai->height());
        if (const auto *l = qobject_cast<const QLabel *>(w))
            rotulo(*l, cortes);
        else if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            botao(*b, cortes);
        else if (const auto *g = qobject_cast<const QGroupBox *>(w))
            grupo(*g, cortes);
        else if (const auto *h = qobject_cast<const QHeaderView *>(w))
            cabecalho(*h, cortes);
        else if (const auto *t = qobject_cast<const QTabBar *>(w))
            abas(*t, cortes);
        else if (const auto *c = qobject_cast<const QComboBox *>(w))
            caixaDeEscolha(*c, cortes);
        else if (const auto *s = qobject_cast<const QStatusBar *>(w);
                 s && QFontMetrics(s->font()).horizontalAdvance(s->currentMessage()) > s->width())
            cortes << falta(*s, s->currentMessage(), QFontMetrics(s->font()).horizontalAdvance(s->currentMessage()),
                            s->width());
    }
    return cortes;
}

}
