#include "MainMenuState.h"

QString MainMenuState::descriptionOf(MenuControl control)
{
    switch (control) {
    case MenuControl::Study:
        return QStringLiteral(
            "学校図書館での分類作業の手引書として刊行された資料を、項目ごとに再編集して分類規定を解説します。"
            "あわせて、学校図書館でNDCの細目表をどのように活用すればよいかを説明します。");
    case MenuControl::Tutorial:
        return QStringLiteral(
            "分類規定の学習を参照しながら、基本・補助表・類ごとの例題で分類記号を付与する練習をします。"
            "解答と解説を確かめることで、分類規定についての学習をさらに深められます。");
    case MenuControl::Analysis:
        return QStringLiteral("分類記号を入力すると、その記号に当たる分類項目を細目表から表示します。記号の各桁がそれぞ"
                              "れ何を意味しているか、"
                              "また付与された分類記号がどのような仕組みで合成されているのかを学ぶことができます。");
    case MenuControl::ItemSearch:
        return QStringLiteral(
            "入力した語句で分類項目を検索し、一致した分類の事例を表示します。検索結果の分類項目を分析して、"
            "分類記号を合成するためのヒントと、練習のための例題を表示します。");
    case MenuControl::Help: return QStringLiteral("バージョン情報とマニュアル参照のボタンを表示します。");
    case MenuControl::Search1:
        return QStringLiteral("国会図書館サーチの検索ページに接続します。検索結果には、分類記号が表示されます。"
                              "簡単な内容が表示される場合があります。");
    case MenuControl::Search2:
        return QStringLiteral(
            "国会図書館オンライン（NDL-OPAC）の検索ページに接続します。データベースの収録数は最も多いですが、"
            "基本情報のみが表示されます。");
    case MenuControl::Search3:
        return QStringLiteral("WebCatPlusの検索ページに接続します。検索結果には、分類記号は表示されませんが、"
                              "表紙画像と目次や詳細な内容が表示されます。");
    }
    return QString();
}

QString MainMenuState::versionMessage()
{
    return QStringLiteral("Bld.020 2022/4/28 \nTaxel taxel.exe");
}

QString MainMenuState::builderMessage(int result)
{
    if (result < 0)
        return QStringLiteral("作成できませんでした！");
    return QString::number(result) + QStringLiteral(" 件 作成しました。");
}
