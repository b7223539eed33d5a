#include "panel/UFolhaGlifos.h"

#include "panel/UFontes.h"
#include "panel/UWindows1252.h"

TGradeLeds::TGradeLeds(int linhas)
    : linhas(qMax(linhas, 0))
{
}

bool TGradeLeds::Aceso(int linha, int coluna) const
{
    if (linha < 1 || linha > linhas || coluna < 1 || coluna > colunas)
        return false;
    return celulas.at((coluna - 1) * linhas + linha - 1);
}

void TGradeLeds::Definir(int linha, int coluna, bool aceso)
{
    if (linha < 1 || linha > linhas || coluna < 1)
        return;
    if (coluna > colunas) {
        colunas = coluna;
        celulas.resize(qsizetype(colunas) * linhas, false);
    }
    celulas[(coluna - 1) * linhas + linha - 1] = aceso;
}

int AssentarGlifo(TGradeLeds &grade, int coluna, const QByteArray &glifo, int altura)
{
    if (altura <= 0)
        return coluna;
    int linha = 1;
    for (char c : glifo) {
        grade.Definir(linha, coluna, c == '1');
        if (++linha > altura) {
            linha = 1;
            if (c != '2')
                ++coluna;
        }
    }
    return coluna;
}

TGradeLeds GradeDoTexto(TTipoFonte fonte, const QString &texto)
{
    const int altura = TFontesLed::AlturaDaFonte(fonte);
    TGradeLeds grade(altura);
    int coluna = 1;
    for (const QChar ch : texto) {
        const std::optional<unsigned char> codigo = TWindows1252::ParaByte(ch);
        QByteArray glifo;
        if (codigo && TFontesLed::LerGlifo(fonte, *codigo, glifo))
            coluna = AssentarGlifo(grade, coluna, glifo, altura);
    }
    return grade;
}
