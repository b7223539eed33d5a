#include <QtTest>
#include <algorithm>
#include <optional>
#include <set>

#include "panel/UFontes.h"
#include "panel/UGlifosPadrao.h"

// The built-in glyph tables: the codes each font covers, the shape rules every
// glyph keeps, and the glyphs whose exact strings other programs rely on.
class TesteGlifos : public QObject {
    Q_OBJECT

    static std::set<int> codigosEsperados(int fonte)
    {
        std::set<int> codigos = {32, 33, 40, 41, 43, 45, 46, 47, 58};
        for (int c = '0'; c <= '9'; ++c)
            codigos.insert(c);
        for (int c = 'A'; c <= 'Z'; ++c)
            codigos.insert(c);
        for (int c = 'a'; c <= 'z'; ++c)
            codigos.insert(c);
        const std::set<int> lista8x4 = {193, 194, 195, 199, 201, 202, 205, 211, 212, 213,
                                        225, 226, 227, 231, 233, 234, 237, 243, 244, 245};
        auto sem = [](std::set<int> s, std::initializer_list<int> fora) {
            for (int c : fora)
                s.erase(c);
            return s;
        };
        std::set<int> acentos;
        switch (fonte) {
        case 1: codigos.erase('w'); acentos = {205, 231, 237}; break;
        case 2: codigos.erase('W'); acentos = {193, 194, 195, 199, 205, 231, 243, 244, 245}; break;
        case 3: acentos = {193, 194, 195, 199, 205, 211, 212, 213, 231}; break;
        case 5: acentos = sem(lista8x4, {227, 245}); break;
        case 9: codigos.erase('W'); acentos = sem(lista8x4, {243, 244, 245}); break;
        case 10: acentos = sem(lista8x4, {205, 243, 244}); break;
        default: acentos = lista8x4; break;
        }
        codigos.insert(acentos.begin(), acentos.end());
        return codigos;
    }

    static int colunas(const QByteArray &glifo, int altura) { return int(glifo.size() / altura); }

    static std::optional<QByteArray> glifoDe(TTipoFonte fonte, int codigo)
    {
        for (const TGlifoPadrao &g : GlifosPadrao(fonte))
            if (g.Codigo == codigo)
                return g.Glifo;
        return std::nullopt;
    }

    // The glyph as picture rows, "#" lit and "." dark.
    static QList<QByteArray> linhas(const QByteArray &glifo, int altura)
    {
        QList<QByteArray> resultado(altura, QByteArray(colunas(glifo, altura), '.'));
        for (qsizetype i = 0; i < glifo.size(); ++i)
            if (glifo.at(i) == '1')
                resultado[i % altura][i / altura] = '#';
        return resultado;
    }

    static bool vazia(const QByteArray &linha) { return !linha.contains('#'); }

    // Rows [primeira, ultima] of a plain lowercase letter that hold its body:
    // the lowest run of rows with a lit cell (an "i" without its dot).
    static std::pair<int, int> corpo(const QList<QByteArray> &desenho)
    {
        int ultima = int(desenho.size()) - 1;
        while (ultima >= 0 && vazia(desenho.at(ultima)))
            --ultima;
        int primeira = ultima;
        while (primeira > 0 && !vazia(desenho.at(primeira - 1)))
            --primeira;
        return {primeira, ultima};
    }

    // The lit cells of rows [0, fim), cropped to their bounding box.
    static QList<QByteArray> recorte(const QList<QByteArray> &desenho, int fim)
    {
        QList<QByteArray> r;
        for (int l = 0; l < fim; ++l)
            if (!vazia(desenho.at(l)) || !r.isEmpty())
                r << desenho.at(l);
        while (!r.isEmpty() && vazia(r.last()))
            r.removeLast();
        if (r.isEmpty())
            return r;
        qsizetype esquerda = r.first().size(), direita = -1;
        for (const QByteArray &linha : r)
            if (!vazia(linha)) {
                esquerda = std::min(esquerda, linha.indexOf('#'));
                direita = std::max(direita, linha.lastIndexOf('#'));
            }
        for (QByteArray &linha : r)
            linha = linha.mid(esquerda, direita - esquerda + 1);
        return r;
    }

    static bool simetrico(const QList<QByteArray> &acento)
    {
        for (const QByteArray &linha : acento) {
            QByteArray espelho = linha;
            std::reverse(espelho.begin(), espelho.end());
            if (espelho != linha)
                return false;
        }
        return true;
    }

    // Why the mark is not the accent it stands for; empty when it is.
    // An acute is a stroke rising to the right; a circumflex a symmetric peak
    // whose second row opens into two arms reaching past its top on both
    // sides; a tilde a wave: not symmetric, its top edge going up and down at
    // least twice across the columns.
    static QString defeitoDoAcento(const QList<QByteArray> &acento, char tipo)
    {
        if (acento.size() < 2)
            return QStringLiteral("a single row");
        switch (tipo) {
        case '\'':
            for (qsizetype l = 0; l + 1 < acento.size(); ++l) {
                const QByteArray &cima = acento.at(l), &baixo = acento.at(l + 1);
                if (cima.indexOf('#') <= baixo.indexOf('#') || cima.lastIndexOf('#') <= baixo.lastIndexOf('#'))
                    return QStringLiteral("does not rise to the right");
            }
            return {};
        case '^': {
            if (!simetrico(acento))
                return QStringLiteral("not symmetric");
            const QByteArray &topo = acento.first(), &bracos = acento.at(1);
            const bool abre = bracos.indexOf('#') < topo.indexOf('#')
                              && bracos.lastIndexOf('#') > topo.lastIndexOf('#');
            const qsizetype vao = bracos.indexOf('.', bracos.indexOf('#'));
            const bool doisBracos = vao >= 0 && vao < bracos.lastIndexOf('#');
            return abre && doisBracos ? QString() : QStringLiteral("not a peak");
        }
        case '~': {
            if (simetrico(acento))
                return QStringLiteral("symmetric");
            int trechos = 0;
            qsizetype anterior = -1;
            for (qsizetype c = 0; c < acento.first().size(); ++c) {
                qsizetype topo = 0;
                while (topo < acento.size() && acento.at(topo).at(c) != '#')
                    ++topo;
                if (topo < acento.size() && topo != anterior) {
                    ++trechos;
                    anterior = topo;
                }
            }
            return trechos >= 3 ? QString() : QStringLiteral("not a wave");
        }
        }
        return QStringLiteral("unknown accent");
    }

    struct TLetraAcentuada {
        int Codigo;
        char Base;
        char Acento; // '\'' acute, '^' circumflex, '~' tilde, ',' cedilla
    };
    static const std::vector<TLetraAcentuada> &acentuadas()
    {
        static const std::vector<TLetraAcentuada> lista = {
            {193, 'A', '\''}, {194, 'A', '^'}, {195, 'A', '~'}, {199, 'C', ','}, {201, 'E', '\''}, {202, 'E', '^'},
            {205, 'I', '\''}, {211, 'O', '\''}, {212, 'O', '^'}, {213, 'O', '~'}, {225, 'a', '\''}, {226, 'a', '^'},
            {227, 'a', '~'}, {231, 'c', ','}, {233, 'e', '\''}, {234, 'e', '^'}, {237, 'i', '\''}, {243, 'o', '\''},
            {244, 'o', '^'}, {245, 'o', '~'},
        };
        return lista;
    }

private slots:
    void codigosDeCadaFonte_data()
    {
        QTest::addColumn<int>("fonte");
        QTest::addColumn<int>("quantidade");
        const int quantidades[] = {73, 79, 80, 91, 89, 91, 91, 91, 87, 88, 91, 91};
        for (int f = 1; f <= 12; ++f)
            QTest::addRow("%s", qPrintable(TFontesLed::NomeDaFonte(TTipoFonte(f)))) << f << quantidades[f - 1];
    }
    void codigosDeCadaFonte()
    {
        QFETCH(int, fonte);
        QFETCH(int, quantidade);
        std::set<int> obtidos;
        for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(fonte)))
            QVERIFY2(obtidos.insert(g.Codigo).second, qPrintable(QStringLiteral("code %1 twice").arg(g.Codigo)));
        QCOMPARE(obtidos, codigosEsperados(fonte));
        QCOMPARE(int(obtidos.size()), quantidade);
    }

    void formaDeCadaGlifo_data()
    {
        QTest::addColumn<int>("fonte");
        QTest::addColumn<int>("larguraDigitos"); // columns, the blank one included
        const int larguras[] = {6, 6, 7, 5, 6, 7, 8, 7, 9, 8, 9, 10};
        for (int f = 1; f <= 12; ++f)
            QTest::addRow("%s", qPrintable(TFontesLed::NomeDaFonte(TTipoFonte(f)))) << f << larguras[f - 1];
    }
    void formaDeCadaGlifo()
    {
        QFETCH(int, fonte);
        QFETCH(int, larguraDigitos);
        const TTipoFonte f = TTipoFonte(fonte);
        const int h = TFontesLed::AlturaDaFonte(f);
        for (const TGlifoPadrao &g : GlifosPadrao(f)) {
            const QString onde = QStringLiteral("code %1").arg(g.Codigo);
            QVERIFY2(!g.Glifo.contains('2'), qPrintable(onde));
            if (f == TTipoFonte::tfVeltronix5x5 && g.Codigo == 32)
                continue; // the 13-character space is not whole columns on purpose
            QVERIFY2(g.Glifo.size() % h == 0, qPrintable(onde + QStringLiteral(": not whole columns")));
            QVERIFY2(g.Glifo.size() >= 2 * h, qPrintable(onde + QStringLiteral(": fewer than two columns")));
            QVERIFY2(g.Glifo.right(h) == QByteArray(h, '0'),
                     qPrintable(onde + QStringLiteral(": last column not blank")));
            if (g.Codigo >= '0' && g.Codigo <= '9')
                QVERIFY2(colunas(g.Glifo, h) == larguraDigitos, qPrintable(onde + QStringLiteral(": digit width")));
        }
    }

    void entradasConhecidas_data()
    {
        QTest::addColumn<int>("fonte");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QByteArray>("glifo");
        QTest::newRow("5x5 A") << 1 << 65 << QByteArray("0111110100101000111100000");
        QTest::newRow("5x5 space") << 1 << 32 << QByteArray("0000000000000");
        QTest::newRow("8x7 0") << 7 << 48
                               << QByteArray("0111111011111111100000011000000110000001111111110111111000000000");
        QTest::newRow("8x7 colon") << 7 << 58 << QByteArray("0000101000000000");
        QTest::newRow("8x7 space") << 7 << 32 << QByteArray(24, '0');
    }
    void entradasConhecidas()
    {
        QFETCH(int, fonte);
        QFETCH(int, codigo);
        QFETCH(QByteArray, glifo);
        for (const TGlifoPadrao &g : GlifosPadrao(TTipoFonte(fonte)))
            if (g.Codigo == codigo) {
                QCOMPARE(g.Glifo, glifo);
                return;
            }
        QFAIL("glyph missing");
    }

    void fontesPorNome_data()
    {
        QTest::addColumn<int>("fonte");
        for (int f = 1; f <= 12; ++f)
            QTest::addRow("%s", qPrintable(TFontesLed::NomeDaFonte(TTipoFonte(f)))) << f;
    }

    // Each accented letter is told apart from its plain letter and from the
    // other accented forms of the same letter.
    void acentuadasDistintas_data() { fontesPorNome_data(); }
    void acentuadasDistintas()
    {
        QFETCH(int, fonte);
        const TTipoFonte f = TTipoFonte(fonte);
        for (const TLetraAcentuada &a : acentuadas()) {
            const std::optional<QByteArray> glifo = glifoDe(f, a.Codigo);
            if (!glifo)
                continue;
            const QString onde = QStringLiteral("code %1").arg(a.Codigo);
            QVERIFY2(*glifo != glifoDe(f, a.Base).value(), qPrintable(onde + QStringLiteral(" is its plain letter")));
            for (const TLetraAcentuada &b : acentuadas())
                if (b.Base == a.Base && b.Codigo != a.Codigo)
                    QVERIFY2(glifoDe(f, b.Codigo) != glifo,
                             qPrintable(onde + QStringLiteral(" is code %1").arg(b.Codigo)));
        }
    }

    // Lowercase accented letters keep their plain letter's body: the rows of
    // "a" are the rows of "ã", the stem of "i" the stem of "í". A font of six
    // rows or fewer has no row below the baseline, so its "ç" is an exception.
    void minusculasGuardamOCorpo_data() { fontesPorNome_data(); }
    void minusculasGuardamOCorpo()
    {
        QFETCH(int, fonte);
        const TTipoFonte f = TTipoFonte(fonte);
        const int h = TFontesLed::AlturaDaFonte(f);
        for (const TLetraAcentuada &a : acentuadas()) {
            const std::optional<QByteArray> glifo = glifoDe(f, a.Codigo);
            if (!glifo || a.Base < 'a' || (a.Acento == ',' && h <= 6))
                continue;
            const QList<QByteArray> simples = linhas(glifoDe(f, a.Base).value(), h);
            const QList<QByteArray> acentuada = linhas(*glifo, h);
            const auto [primeira, ultima] = corpo(simples);
            for (int l = primeira; l <= ultima; ++l) {
                QByteArray esperada = simples.at(l), obtida = acentuada.at(l);
                while (esperada.endsWith('.'))
                    esperada.chop(1);
                while (obtida.endsWith('.'))
                    obtida.chop(1);
                QVERIFY2(obtida == esperada, qPrintable(QStringLiteral("code %1, row %2: %3 instead of %4")
                                                            .arg(a.Codigo)
                                                            .arg(l + 1)
                                                            .arg(QString::fromLatin1(obtida),
                                                                 QString::fromLatin1(esperada))));
            }
        }
    }

    // The mark above the letter: on a capital, the lit cells of its first two
    // rows; on a lowercase letter, those above its plain letter's body.
    void formaDosAcentos_data() { fontesPorNome_data(); }
    void formaDosAcentos()
    {
        QFETCH(int, fonte);
        const TTipoFonte f = TTipoFonte(fonte);
        const int h = TFontesLed::AlturaDaFonte(f);
        for (const TLetraAcentuada &a : acentuadas()) {
            const std::optional<QByteArray> glifo = glifoDe(f, a.Codigo);
            if (!glifo || a.Acento == ',')
                continue;
            const int fim = a.Base < 'a' ? 2 : corpo(linhas(glifoDe(f, a.Base).value(), h)).first;
            const QList<QByteArray> acento = recorte(linhas(*glifo, h), fim);
            const QString defeito = defeitoDoAcento(acento, a.Acento);
            QVERIFY2(defeito.isEmpty(), qPrintable(QStringLiteral("code %1: %2\n%3")
                                                       .arg(a.Codigo)
                                                       .arg(defeito, QString::fromLatin1(acento.join('\n')))));
        }
    }

    void formaDosAcentosReconhece_data()
    {
        QTest::addColumn<QByteArrayList>("acento");
        QTest::addColumn<char>("tipo");
        QTest::addColumn<QString>("defeito");
        QTest::newRow("acute") << QByteArrayList{"..##", ".##."} << '\'' << QString();
        QTest::newRow("acute, one row") << QByteArrayList{"##"} << '\'' << QStringLiteral("a single row");
        QTest::newRow("grave") << QByteArrayList{"##..", ".##."} << '\''
                               << QStringLiteral("does not rise to the right");
        QTest::newRow("acute, upright") << QByteArrayList{".#", "##"} << '\''
                                        << QStringLiteral("does not rise to the right");
        QTest::newRow("peak") << QByteArrayList{"..#..", "#...#"} << '^' << QString();
        QTest::newRow("two dots") << QByteArrayList{"##.##"} << '^' << QStringLiteral("a single row");
        QTest::newRow("narrow peak") << QByteArrayList{".#.", "#.#"} << '^' << QString();
        QTest::newRow("rounded peak") << QByteArrayList{".####.", "##..##"} << '^' << QString();
        QTest::newRow("one arm under the top") << QByteArrayList{".#.", "###"} << '^' << QStringLiteral("not a peak");
        QTest::newRow("caron") << QByteArrayList{"#...#", "..#.."} << '^' << QStringLiteral("not a peak");
        QTest::newRow("bar over bar") << QByteArrayList{"###", "###"} << '^' << QStringLiteral("not a peak");
        QTest::newRow("wave") << QByteArrayList{".##..##", "#..##.."} << '~' << QString();
        QTest::newRow("flat bar") << QByteArrayList{"#######"} << '~' << QStringLiteral("a single row");
        QTest::newRow("arch") << QByteArrayList{".##.", "#..#"} << '~' << QStringLiteral("symmetric");
        QTest::newRow("step") << QByteArrayList{"..##", "##.."} << '~' << QStringLiteral("not a wave");
    }
    void formaDosAcentosReconhece()
    {
        QFETCH(QByteArrayList, acento);
        QFETCH(char, tipo);
        QFETCH(QString, defeito);
        QCOMPARE(defeitoDoAcento(acento, tipo), defeito);
    }

    void desenhoMalFormadoFalha()
    {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GlifoDoDesenho("##.\n#.\n", 2));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GlifoDoDesenho("##\n", 2));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, GlifoDoDesenho("#x\n..\n", 2));
        QCOMPARE(GlifoDoDesenho("\n#.\n.#\n", 2), QByteArray("1001"));
    }
};

QTEST_GUILESS_MAIN(TesteGlifos)
#include "tst_glifos.moc"
