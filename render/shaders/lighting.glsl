// Materials and the one directional light. A colour material paints flat; a
// lit one takes its picture as surface colour, shaded Blinn-Phong.
uniform bool lit;
uniform vec4 flatColour;
uniform sampler2D picture;
uniform bool hasPicture;
uniform vec3 materialDiffuse;
uniform vec3 materialAmbient;
uniform vec3 materialSpecular;
uniform vec3 materialEmissive;
uniform float materialShininess;
uniform vec3 lightDirection;   // the way the light travels, unit, scene coordinates
uniform vec3 lightColour;      // black when the scene has no light
uniform vec3 eyePosition;

// The light at a point of a lit surface: what multiplies the surface colour
// and what is added to it.
struct Light {
    vec3 scale;
    vec3 add;
};

Light LightAt(vec3 normal, vec3 position)
{
    vec3 toLight = -lightDirection;
    vec3 toEye = normalize(eyePosition - position);
    float diffuse = max(dot(normal, toLight), 0.0);
    float specular = diffuse > 0.0 ? pow(max(dot(normal, normalize(toLight + toEye)), 0.0), materialShininess) : 0.0;
    return Light(materialAmbient + materialDiffuse * lightColour * diffuse,
                 materialSpecular * lightColour * specular + materialEmissive);
}

vec4 LitColour(vec4 texel, Light light)
{
    if (!hasPicture)
        texel = vec4(1.0);
    return vec4(texel.rgb * light.scale + light.add, texel.a);
}

vec4 ShadedColour(vec4 texel, vec3 normal, vec3 position)
{
    return lit ? LitColour(texel, LightAt(normal, position)) : flatColour;
}
