#include <QTemporaryDir>
#include <QtTest>

#include "app/UImportacaoLista.h"
#include "app/UListaDestinos.h"
#include "app/UProjetoArquivo.h"
#include "data/UDtmDestino.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Reading a list of destinations and importing it into a project's tables.
class TesteImportacaoLista : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    const QList<TSinalEquipado> frenteELado{{1, 13, 96}, {2, 8, 80}};

    static QString mensagem(const QByteArray &bytes)
    {
        try {
            LerLista(bytes);
        } catch (const TErro &e) {
            return e.Mensagem;
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        TFontesLed::DefinirArquivoDeFontes(pasta.filePath(u"FONTES12.INI"_s));
        TFontesLed::CriarFontesPadrao();
    }
    void cleanupTestCase() { TFontesLed::DefinirArquivoDeFontes({}); }

    // Quotes, separators inside quotes, accents, the separator taken from the header, CR LF.
    void lerLista()
    {
        const TListaDestinos l = LerLista("Numero;FRONTAL;lateral;rolagem\r\n"
                                          "1;\"CENTRO; VIA \"\"A\"\"\";Praça\r\n"
                                          "\r\n"
                                          "2;\"duas\nlinhas\";;1\r\n"
                                          "3\r\n");
        QCOMPARE(l.Separador, u';');
        QCOMPARE(l.Linhas.size(), 3);
        QCOMPARE(l.Linhas[0].Linha, 2);
        QCOMPARE(*l.Linhas[0].Textos[0], u"CENTRO; VIA \"A\""_s);
        QCOMPARE(*l.Linhas[0].Textos[1], u"Praça"_s);
        QVERIFY(!l.Linhas[0].Textos[2].has_value());
        QCOMPARE(l.Linhas[1].Linha, 4);
        QCOMPARE(*l.Linhas[1].Textos[0], u"duas\nlinhas"_s);
        QCOMPARE(l.Linhas[1].Rolagem, u"1"_s);
        QCOMPARE(l.Linhas[2].Linha, 6);
        QCOMPARE(*l.Linhas[2].Textos[1], QString());
        QCOMPARE(LerLista("numero,frontal\n7,\"a;b\"\n").Linhas[0].Textos[0].value(), u"a;b"_s);
        QCOMPARE(CampoDaLista(u"a;\"b\""_s, u';'), u"\"a;\"\"b\"\"\""_s);
        QCOMPARE(CampoDaLista(u"Praça"_s, u';'), u"Praça"_s);
    }

    void listaRecusada_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("trecho");
        QTest::newRow("empty file") << QByteArray() << u"A lista está vazia."_s;
        QTest::newRow("another encoding") << QByteArray("numero;frontal\n1;Pra\xe7" "a\n") << u"não está em UTF-8"_s;
        QTest::newRow("no numero column") << QByteArray("frontal\nCENTRO\n") << u"falta a coluna \"numero\""_s;
        QTest::newRow("unknown column") << QByteArray("numero;frontl\n1;A\n") << u"coluna desconhecida \"frontl\""_s;
        QTest::newRow("unclosed quote") << QByteArray("numero;frontal\n1;\"A\n") << u"linha 2: aspas abertas"_s;
        QTest::newRow("too many fields") << QByteArray("numero;frontal\n1;A;B\n") << u"linha 2: 3 campos"_s;
    }
    void listaRecusada()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, trecho);
        const QString m = mensagem(bytes);
        QVERIFY2(m.contains(trecho), qPrintable(m));
    }

    // Every refused row with its line and reason; nothing imported.
    void linhasRecusadas()
    {
        TDtm_Destino dados;
        dados.AbrirTabelas({});
        TImportacaoLista existente(dados, frenteELado);
        QVERIFY(existente.Preparar(LerLista("numero;frontal\n4;JA EXISTE\n"), false));
        existente.Importar();

        const QByteArray lista = "numero;frontal;lateral;rolagem\n"
                                 "1;CENTRO;BAIRRO;\n"
                                 "2;UM TEXTO LARGO DEMAIS PARA O PAINEL FRONTAL;;0\n"
                                 "1;OUTRO;;\n"
                                 "x;A;;\n"
                                 "70000;A;;\n"
                                 "5;A~B;;\n"
                                 "6;A;;2\n"
                                 "4;NOVO;;\n"
                                 "7;UM TEXTO LARGO DEMAIS PARA O PAINEL FRONTAL;;\n";
        TImportacaoLista imp(dados, frenteELado);
        QVERIFY(!imp.Preparar(LerLista(lista), false));
        QStringList recusas;
        for (const auto &r : imp.Recusas())
            recusas << u"%1: %2"_s.arg(r.Linha).arg(r.Motivo);
        QCOMPARE(recusas, (QStringList{
                              u"3: o texto não cabe no painel Frontal (96 colunas) e a rolagem é 0"_s,
                              u"4: o número 1 já aparece na linha 2"_s,
                              u"5: o número \"x\" não é um número de 1 a 65535"_s,
                              u"6: o número \"70000\" não é um número de 1 a 65535"_s,
                              u"7: o caractere \"~\" não existe na fonte 13x7 do painel Frontal"_s,
                              u"8: a coluna rolagem vale \"2\"; aceita 0 ou 1"_s,
                              u"9: o número 4 já existe no projeto"_s,
                          }));
        const int linhasAntes = dados.Cds_DestinosExtras.QuantidadeDeLinhas();
        QVERIFY_THROWS_EXCEPTION(TErro, imp.Importar());
        QCOMPARE(dados.Cds_DestinosExtras.QuantidadeDeLinhas(), linhasAntes);
        QVERIFY(imp.TextoDasRecusas().startsWith(u"ATENÇÃO:\r\nA lista não foi importada"_s));

        // The wide text on line 10 was accepted: without a value, the sign scrolls.
        TImportacaoLista so10(dados, frenteELado);
        QVERIFY(so10.Preparar(LerLista("numero;frontal\n7;UM TEXTO LARGO DEMAIS PARA O PAINEL FRONTAL\n"), false));
    }

    // Rows as "Salvar Destino" stores them, labels included; replacing keeps the other numbers.
    void importarESubstituir()
    {
        TDtm_Destino dados;
        dados.AbrirTabelas({});
        TImportacaoLista imp(dados, frenteELado);
        QVERIFY(imp.Preparar(LerLista("numero;frontal;lateral;extra\n1;CENTRO;Praça;\n2;São João;;0\n1;RECOLHE;;1\n"),
                             false));
        QCOMPARE(imp.Planos().size(), 3);
        imp.Importar();
        QVERIFY(!dados.FiltroExtra());
        const QList<TSinalEquipado> sinais = SinaisDoProjeto(dados);
        QCOMPARE(LinhasDosRotulos(dados, sinais),
                 (QStringList{u"1\tCENTRO\tPraça"_s, u"2\tSão João\t"_s}));
        TTabelaMemoria &t = dados.Cds_DestinosExtras;
        QVERIFY(t.Localizar(u"PAINEL;NRO_DESTINO"_s, {1, 1}));
        QCOMPARE(t.ComoInteiro(u"NRO_LINHAS"_s), 13);
        QCOMPARE(t.ComoInteiro(u"NRO_COLUNAS"_s), 96);
        QCOMPARE(t.ComoInteiro(u"NRO_ROTATIVO1"_s), 1);
        QVERIFY(t.EstaVazio(u"CONFIG_PAINEL2"_s));
        QVERIFY(!t.ComoBooleano(u"ROLAGEM"_s));
        QVERIFY(t.Localizar(u"PAINEL;NRO_DESTINO"_s, {2, 2}));
        QVERIFY(t.EstaVazio(u"CONFIG_PAINEL1"_s)); // an empty sign stores no message
        MostrarTipo(dados, true);
        QCOMPARE(LinhasDosRotulos(dados, sinais), QStringList{u"1\tRECOLHE\t"_s});
        MostrarTipo(dados, false);

        TImportacaoLista troca(dados, frenteELado);
        QVERIFY(troca.Preparar(LerLista("numero,frontal\n2,BAIRRO\n"), true));
        QVERIFY(troca.Planos().first().Substitui);
        troca.Importar();
        QCOMPARE(LinhasDosRotulos(dados, sinais), (QStringList{u"1\tCENTRO\tPraça"_s, u"2\tBAIRRO\t"_s}));
    }

    // A list written by "list --csv" of a project reads back into the same labels and the same file.
    void idaEVolta()
    {
        TDtm_Destino origem;
        origem.AbrirTabelas({});
        TImportacaoLista imp(origem, frenteELado);
        QVERIFY(imp.Preparar(LerLista("numero;frontal;lateral\n1;CENTRO - VIA A;Praça\n2;São João;Rodoviária\n"), false));
        imp.Importar();
        QByteArray lista = "numero;frontal;lateral\n";
        for (const QString &linha : LinhasDosRotulos(origem, frenteELado))
            lista += linha.split(u'\t').join(u';').toUtf8() + '\n';

        TDtm_Destino copia;
        copia.AbrirTabelas({});
        TImportacaoLista volta(copia, frenteELado);
        QVERIFY(volta.Preparar(LerLista(lista), false));
        volta.Importar();
        QCOMPARE(LinhasDosRotulos(copia, frenteELado), LinhasDosRotulos(origem, frenteELado));
        TGeracaoArquivo a;
        TGeracaoArquivo b;
        TTransferencia(origem, frenteELado).Preencher(a);
        TTransferencia(copia, frenteELado).Preencher(b);
        QCOMPARE(a.GerarBytes(), b.GerarBytes());
    }
};

QTEST_GUILESS_MAIN(TesteImportacaoLista)
#include "tst_importacaolista.moc"
