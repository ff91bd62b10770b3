#include "TextExtrusion.h"

#include "Text3D.h"

#include <gtest/gtest.h>

namespace tessivar::render {
namespace {

struct Normal {
    double X, Y, Z;
};

// (b - a) x (c - a): the way a triangle faces when drawn.
Normal FacingOf(const SurfaceVertex& a, const SurfaceVertex& b, const SurfaceVertex& c)
{
    const double ux = b.X - a.X, uy = b.Y - a.Y, uz = b.Z - a.Z;
    const double vx = c.X - a.X, vy = c.Y - a.Y, vz = c.Z - a.Z;
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

// A 2 x 2 square centred on the origin with a 1 x 1 hole.
Tessellation SquareWithHole()
{
    const QPolygonF outer{QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1), QPointF(-1, -1)};
    const QPolygonF hole{QPointF(-0.5, -0.5), QPointF(-0.5, 0.5), QPointF(0.5, 0.5), QPointF(0.5, -0.5),
                         QPointF(-0.5, -0.5)};
    return Tessellate({outer, hole});
}

TEST(TextExtrusion, FrontFacesTheViewerAndBackFacesAway)
{
    const TextMesh mesh = ExtrudeText(SquareWithHole(), 4, 4, 0.3F, scene::AllSides);
    ASSERT_FALSE(mesh.Front.empty());
    ASSERT_EQ(mesh.Front.size(), mesh.Back.size());
    for (std::size_t i = 0; i < mesh.Front.size(); i += 3) {
        EXPECT_LT(FacingOf(mesh.Front[i], mesh.Front[i + 1], mesh.Front[i + 2]).Z, 0);
        EXPECT_GT(FacingOf(mesh.Back[i], mesh.Back[i + 1], mesh.Back[i + 2]).Z, 0);
        for (int k = 0; k < 3; ++k) {
            EXPECT_FLOAT_EQ(mesh.Front[i + k].Z, -0.15F);
            EXPECT_FLOAT_EQ(mesh.Front[i + k].NZ, -1);
            EXPECT_FLOAT_EQ(mesh.Back[i + k].Z, 0.15F);
            EXPECT_FLOAT_EQ(mesh.Back[i + k].NZ, 1);
        }
    }
}

TEST(TextExtrusion, WallsFaceOutOfTheSolidAroundOuterEdgesAndHoles)
{
    const TextMesh mesh = ExtrudeText(SquareWithHole(), 4, 4, 0.3F, scene::AllSides);
    ASSERT_FALSE(mesh.Shaft.empty());
    for (std::size_t i = 0; i < mesh.Shaft.size(); i += 3) {
        const SurfaceVertex& a = mesh.Shaft[i];
        const Normal facing = FacingOf(a, mesh.Shaft[i + 1], mesh.Shaft[i + 2]);
        // The wall's midpoint lies on the outer edge (|x| or |y| = 1) or on
        // the hole's edge (0.5): outwards means away from the centre for the
        // former and towards it for the latter.
        const double mx = (a.X + mesh.Shaft[i + 1].X + mesh.Shaft[i + 2].X) / 3;
        const double my = (a.Y + mesh.Shaft[i + 1].Y + mesh.Shaft[i + 2].Y) / 3;
        const bool outer = std::max(std::abs(mx), std::abs(my)) > 0.75;
        const double away = facing.X * mx + facing.Y * my;
        EXPECT_EQ(away > 0, outer) << "wall at " << mx << ", " << my;
        EXPECT_NEAR(facing.Z, 0, 1e-9);
        // The stored normal agrees with the winding.
        EXPECT_GT(facing.X * a.NX + facing.Y * a.NY, 0);
    }
}

TEST(TextExtrusion, OnlyTheNamedSidesAreMade)
{
    struct Case {
        std::uint8_t sides;
        bool front, back, shaft;
    };
    for (const Case c :
         {Case{scene::SideFront, true, false, false}, Case{scene::SideBack, false, true, false},
          Case{scene::SideShaft, false, false, true}, Case{scene::SideFront | scene::SideShaft, true, false, true}}) {
        const TextMesh mesh = ExtrudeText(SquareWithHole(), 4, 4, 0.3F, c.sides);
        EXPECT_EQ(!mesh.Front.empty(), c.front) << int(c.sides);
        EXPECT_EQ(!mesh.Back.empty(), c.back) << int(c.sides);
        EXPECT_EQ(!mesh.Shaft.empty(), c.shaft) << int(c.sides);
    }
}

TEST(TextExtrusion, TextureCoordinatesSpreadTheBoxOnce)
{
    const TextMesh mesh = ExtrudeText(SquareWithHole(), 4, 2, 0.3F, scene::SideFront);
    for (const SurfaceVertex& v : mesh.Front) {
        EXPECT_FLOAT_EQ(v.U, v.X / 4 + 0.5F);
        EXPECT_FLOAT_EQ(v.V, v.Y / 2 + 0.5F);
    }
}

TEST(TextExtrusion, NothingToExtrudeGivesAnEmptyMesh)
{
    EXPECT_TRUE(ExtrudeText(Tessellation{}, 4, 4, 0.3F, scene::AllSides).Empty());
}

} // namespace
} // namespace tessivar::render
