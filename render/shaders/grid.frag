in vec4 lineColour;

out vec4 fragmentColour;

void main()
{
    fragmentColour = lineColour;
}
