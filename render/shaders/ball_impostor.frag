in vec3 quadPoint;
flat in vec4 sphere;
flat in vec3 ballY;
flat in vec3 ballZ;

uniform mat4 viewProjection;

out vec4 fragmentColour;

const float Pi = 3.14159265358979;

void main()
{
    vec3 ray = normalize(quadPoint - eyePosition);
    vec3 toCentre = sphere.xyz - eyePosition;
    float along = dot(toCentre, ray);
    // Distance from the centre to the ray, taken as a vector: subtracting
    // squared lengths loses all precision for far balls.
    vec3 across = toCentre - along * ray;
    float halfChordSquared = sphere.w * sphere.w - dot(across, across);
    if (halfChordSquared < 0.0)
        discard;
    vec3 hit = eyePosition + (along - sqrt(halfChordSquared)) * ray;
    vec3 normal = (hit - sphere.xyz) / sphere.w;

#ifdef EXACT_DEPTH
    // Where the ball meets other geometry, the depth of the sphere itself.
    // Elsewhere the quad's depth orders balls correctly, and leaving it alone
    // lets the depth test run before this shader instead of after it.
    vec4 clip = viewProjection * vec4(hit, 1.0);
    gl_FragDepth = (gl_DepthRange.diff * clip.z / clip.w + gl_DepthRange.near + gl_DepthRange.far) * 0.5;
#endif

    // The mesh's texture coordinates: u around the vertical axis (0.5 facing
    // local -Z, growing towards +X), v from top (0) to bottom (1).
    vec3 local = vec3(dot(normal, cross(ballY, ballZ)), dot(normal, ballY), dot(normal, ballZ));
    float v = acos(clamp(-local.y, -1.0, 1.0)) / Pi;
    float turn = atan(-local.x, local.z) / (2.0 * Pi);   // -0.5 .. 0.5, jumps at the front
    float wrapped = fract(turn);                         // 0 .. 1, jumps at the back
    // Take derivatives from whichever parameter is smooth here, so that the
    // jump does not pick the smallest mip level along a line.
    bool useTurn = fwidth(turn) < fwidth(wrapped);
    float u = useTurn ? turn : wrapped;
    vec2 dx = vec2(useTurn ? dFdx(turn) : dFdx(wrapped), dFdx(v));
    vec2 dy = vec2(useTurn ? dFdy(turn) : dFdy(wrapped), dFdy(v));
    vec4 texel = textureGrad(picture, vec2(u, v), dx, dy);

    fragmentColour = ShadedColour(texel, normal, hit);
}
