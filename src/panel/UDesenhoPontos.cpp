#include "panel/UDesenhoPontos.h"

#include <QList>
#include <stdexcept>
#include <string>

TGradeLeds GradeDoDesenho(const char *desenho, int altura)
{
    QList<QByteArray> linhas = QByteArray(desenho).split('\n');
    while (!linhas.isEmpty() && linhas.first().trimmed().isEmpty())
        linhas.removeFirst();
    while (!linhas.isEmpty() && linhas.last().trimmed().isEmpty())
        linhas.removeLast();
    if (linhas.size() != altura)
        throw std::logic_error("picture has " + std::to_string(linhas.size()) + " rows, "
                               + std::to_string(altura) + " expected:\n" + desenho);
    const qsizetype largura = linhas.first().size();
    TGradeLeds grade(altura);
    for (int l = 0; l < altura; ++l) {
        const QByteArray &linha = linhas.at(l);
        if (linha.size() != largura)
            throw std::logic_error(std::string("picture rows differ in length:\n") + desenho);
        for (qsizetype c = 0; c < largura; ++c) {
            const char ponto = linha.at(c);
            if (ponto != '#' && ponto != '.')
                throw std::logic_error(std::string("picture holds a character other than # and .:\n") + desenho);
            grade.Definir(l + 1, int(c) + 1, ponto == '#');
        }
    }
    return grade;
}
