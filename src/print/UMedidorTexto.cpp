#include "print/UMedidorTexto.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextLayout>

using namespace Qt::StringLiterals;

QStringList TMedidorTexto::Quebrar(const QString &texto, const TFonteRelatorio &fonte, double largura) const
{
    QString limpo = texto;
    limpo.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    for (QChar &c : limpo)
        if (c != u'\n' && (c.category() == QChar::Other_Control || c == QChar::LineSeparator
                           || c == QChar::ParagraphSeparator))
            c = u' ';
    if (limpo.trimmed().isEmpty())
        return {};
    QStringList linhas;
    for (const QString &paragrafo : limpo.split(u'\n'))
        linhas += QuebrarParagrafo(paragrafo, fonte, largura);
    return linhas;
}

double TMedidorQt::AlturaLinha(const TFonteRelatorio &fonte) const
{
    return QFontMetricsF(FonteQt(fonte)).lineSpacing() / UnidadesPorMm;
}

QStringList TMedidorQt::QuebrarParagrafo(const QString &paragrafo, const TFonteRelatorio &fonte,
                                         double largura) const
{
    QTextLayout layout(paragrafo, FonteQt(fonte));
    QTextOption opcao;
    opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(opcao);
    // The blanks a line ends on are not printed.
    static const QRegularExpression brancosFinais(u"\\s+$"_s);
    QStringList linhas;
    layout.beginLayout();
    for (QTextLine linha = layout.createLine(); linha.isValid(); linha = layout.createLine()) {
        linha.setLineWidth(largura * UnidadesPorMm);
        linhas << paragrafo.mid(linha.textStart(), linha.textLength()).remove(brancosFinais);
    }
    layout.endLayout();
    if (linhas.isEmpty())
        linhas << QString();
    return linhas;
}
