// The document's part in the new-document path and in telling its views.
#include "framework/Document.h"
#include "framework/View.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingDocument : public CDocument {
  public:
    void DeleteContents() override { ++deleted; }
    int deleted = 0;
};

class RecordingView : public CView {
  public:
    void OnUpdate(CView* pSender, LPARAM lHint, CObject*) override {
        updates.push_back({pSender, lHint});
    }
    std::vector<std::pair<CView*, LPARAM>> updates;
};

TEST(Document, NewDocumentClearsContentsAndTheModifiedFlag) {
    RecordingDocument doc;
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(1, doc.deleted);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.SaveModified());
}

TEST(Document, UpdateAllViewsSkipsTheSender) {
    RecordingDocument doc;
    RecordingView first;
    RecordingView second;
    doc.AddView(&first);
    doc.AddView(&second);
    doc.AddView(&first);
    EXPECT_EQ(2u, doc.GetViews().size()) << "a view is listed once";
    EXPECT_EQ(&doc, first.GetDocument());

    doc.UpdateAllViews(&first, 7);
    EXPECT_TRUE(first.updates.empty());
    ASSERT_EQ(1u, second.updates.size());
    EXPECT_EQ(&first, second.updates[0].first);
    EXPECT_EQ(7, second.updates[0].second);

    doc.RemoveView(&second);
    EXPECT_EQ(nullptr, second.GetDocument());
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(1u, first.updates.size());
}

TEST(Document, ViewsOutlivingTheirDocumentAreLetGo) {
    RecordingView view;
    {
        RecordingDocument doc;
        doc.AddView(&view);
    }
    EXPECT_EQ(nullptr, view.GetDocument());
}

} // namespace

namespace {

TEST(Document, ViewDestroyedFirstLeavesTheList) {
    RecordingDocument doc;
    {
        RecordingView view;
        doc.AddView(&view);
    }
    EXPECT_TRUE(doc.GetViews().empty());
    doc.UpdateAllViews(nullptr);
}

} // namespace
